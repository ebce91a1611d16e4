// The end-to-end tests' eyes on the X server: grabs what a window shows and measures the
// colours of a screenshot, so that shell scripts can check pictures with plain numbers.
//
//   screen_probe grab <window id> <file.png>      saves the window's pixels as they are shown
//   screen_probe stats <file.png> [x y w h]       prints measurements of the whole picture or of
//                                                 a region of it, one "name value" per line
//
// Measurements (colours are exact RGB values):
//   width, height            of the region
//   pixels.red, pixels.black, pixels.white, pixels.green, pixels.other
//                            counts of pure red, black, white, green (0,128,0) and other pixels
//   columns.red              columns holding at least one red pixel
//   red.mean_row             mean row of the red pixels (-1 without any)
//   row.black.max, row.black.at        the row with the most black pixels, and how many
//   column.black.max, column.black.at  the column with the most black pixels, and how many
//   blocks.uneven            2x2 blocks, from the region's top left, whose pixels differ
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTextStream>
#include <algorithm>
#include <vector>

namespace {

QTextStream& Out() {
    static QTextStream out(stdout);
    return out;
}

QTextStream& Err() {
    static QTextStream err(stderr);
    return err;
}

int Usage() {
    Err() << "usage: screen_probe grab <window id> <file.png>\n"
             "       screen_probe stats <file.png> [x y w h]\n";
    Err().flush();
    return 2;
}

int Grab(const QString& windowId, const QString& file) {
    bool ok = false;
    const WId id = windowId.toULongLong(&ok, 0);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!ok || !screen) return Usage();
    const QPixmap shot = screen->grabWindow(id);
    if (shot.isNull() || !shot.save(file, "PNG")) {
        Err() << "screen_probe: cannot grab window " << windowId << " into " << file << "\n";
        return 1;
    }
    return 0;
}

void Print(const char* name, qint64 value) {
    Out() << name << ' ' << value << '\n';
}

int Stats(const QString& file, const QStringList& region) {
    const QImage image = QImage(file).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        Err() << "screen_probe: cannot read " << file << "\n";
        return 1;
    }
    QRect area = image.rect();
    if (region.size() == 4) {
        area = QRect(region[0].toInt(), region[1].toInt(), region[2].toInt(), region[3].toInt());
        area = area.intersected(image.rect());
    } else if (!region.isEmpty()) {
        return Usage();
    }
    const QRgb red = qRgb(255, 0, 0), black = qRgb(0, 0, 0), white = qRgb(255, 255, 255),
               green = qRgb(0, 128, 0);
    qint64 reds = 0, blacks = 0, whites = 0, greens = 0, others = 0, redRowSum = 0;
    std::vector<int> blackInRow(area.height()), blackInColumn(area.width());
    std::vector<bool> redInColumn(area.width());
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            const QRgb pixel = image.pixel(area.left() + x, area.top() + y) | 0xff000000u;
            if (pixel == red) {
                ++reds;
                redRowSum += y;
                redInColumn[x] = true;
            } else if (pixel == black) {
                ++blacks;
                ++blackInRow[y];
                ++blackInColumn[x];
            } else if (pixel == white) {
                ++whites;
            } else if (pixel == green) {
                ++greens;
            } else {
                ++others;
            }
        }
    }
    qint64 uneven = 0;
    for (int y = 0; y + 1 < area.height(); y += 2) {
        for (int x = 0; x + 1 < area.width(); x += 2) {
            const QPoint p = area.topLeft() + QPoint(x, y);
            const QRgb first = image.pixel(p);
            uneven += image.pixel(p + QPoint(1, 0)) != first ||
                      image.pixel(p + QPoint(0, 1)) != first ||
                      image.pixel(p + QPoint(1, 1)) != first;
        }
    }
    const auto most = [](const std::vector<int>& counts, int& at) {
        int best = 0;
        at = -1;
        for (size_t i = 0; i < counts.size(); ++i) {
            if (counts[i] > best) best = counts[i], at = static_cast<int>(i);
        }
        return best;
    };
    int rowAt = -1, columnAt = -1;
    const int rowMax = most(blackInRow, rowAt), columnMax = most(blackInColumn, columnAt);

    Print("width", area.width());
    Print("height", area.height());
    Print("pixels.red", reds);
    Print("pixels.black", blacks);
    Print("pixels.white", whites);
    Print("pixels.green", greens);
    Print("pixels.other", others);
    Print("columns.red", std::count(redInColumn.begin(), redInColumn.end(), true));
    Print("red.mean_row", reds ? redRowSum / reds : -1);
    Print("row.black.max", rowMax);
    Print("row.black.at", rowAt);
    Print("column.black.max", columnMax);
    Print("column.black.at", columnAt);
    Print("blocks.uneven", uneven);
    Out().flush();
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList args = QGuiApplication::arguments().mid(1);
    if (args.size() == 3 && args[0] == QLatin1String("grab")) return Grab(args[1], args[2]);
    if (args.size() >= 2 && args[0] == QLatin1String("stats")) return Stats(args[1], args.mid(2));
    return Usage();
}
