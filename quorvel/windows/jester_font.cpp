#include "jester_font.h"

#include <QApplication>
#include <QFontDatabase>

namespace quorvel {

QString JesterFamily() {
    const QString face = QString::fromUtf8(kJesterFace);
    return QFontDatabase::families().contains(face) ? face : QApplication::font().family();
}

QFont JesterFont(qreal points, bool bold) {
    QFont font(JesterFamily());
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace quorvel
