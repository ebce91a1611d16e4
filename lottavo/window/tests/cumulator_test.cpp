#include "cumulator.h"

#include <sys/resource.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <memory>

#include "box_styles.h"
#include "cumulator_win.h"
#include "frame_window.h"
#include "generator_commands.h"
#include "icon_420.h"
#include "menu_452.h"
#include "randomize.h"
#include "show_cumulated_lists.h"
#include "test_suites.h"
#include "window_rig.h"

using namespace lottavo;

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Files may not grow beyond a few bytes while it lives, which makes every longer write fail,
// for root as for anyone.
class FileSizeLimitC {
public:
    explicit FileSizeLimitC(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimitC() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace

class CumulatorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowRigC> rig;
    std::unique_ptr<RandomizeC> engine;
    std::unique_ptr<FrameWindowC> frame;
    CumulatorWinC* editor = nullptr;
    std::unique_ptr<QTemporaryDir> folder;

    QString pathIn(const char* name) const { return folder->filePath(QString::fromLatin1(name)); }
    QByteArray cumulated() const { return QByteArray(engine->getTextPtr()); }
    std::vector<RecordingMsgBoxC::ShownC> writeFailures() const {
        std::vector<RecordingMsgBoxC::ShownC> found;
        for (const auto& shown : rig->box.shown) {
            if (shown.text.starts_with("Unable to write file ")) found.push_back(shown);
        }
        return found;
    }
    // Runs showCumulatedLists and tells whether it opened the window, which is closed at once.
    bool closeCumulatorOnceOpen() {
        bool opened = false;
        QTimer::singleShot(0, [&opened] {
            if (auto* win = findInTopLevels<CumulatorWinC>()) {
                opened = true;
                win->window()->close();
            }
        });
        showCumulatedLists(*engine, rig->services());
        QCoreApplication::processEvents();  // the check, where no window made it wait
        return opened;
    }

    void edit() {
        editor->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor, QStringLiteral("note"));
        QVERIFY(editor->document()->isModified());
    }

private slots:
    void init() {
        rig = std::make_unique<WindowRigC>();
        folder = std::make_unique<QTemporaryDir>();
        engine = std::make_unique<RandomizeC>(rig->services().engine);
        engine->setUSeedStr("0");
        for (int n = 0; n < 3; ++n) QCOMPARE(generateCommand(*engine, rig->err), 0);
        rig->box.shown.clear();
        editor = new CumulatorWinC(nullptr, engine->getTextPtr(), kCumulatorName, rig->services());
        frame = std::make_unique<FrameWindowC>(QString::fromLatin1(kCumulatorName), editor);
        frame->show();
    }
    void cleanup() {
        frame.reset();
        engine.reset();
        rig.reset();
        folder.reset();
    }

    void theWindowOfTheCumulatorApplication() {
        CumulatorC cumulator(kCumulatorName, engine->getTextPtr(), rig->services());
        QTimer::singleShot(0, [&] {
            FrameWindowC* shown = cumulator.mainWindow();
            QVERIFY(shown != nullptr && shown->isVisible());
            QCOMPARE(shown->windowTitle(),
                     QStringLiteral(" Lottavo: Cumulated Random Integer Lists  (Proper format "
                                    "requires save) "));
            QCOMPARE(shown->frameGeometry().topLeft(), QPoint(50, 50));
            QCOMPARE(shown->size(), QSize(640, 100));
            QVERIFY(shown->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            QCOMPARE(shown->windowIcon().pixmap(kIcon420Size).toImage(), icon420Image());
            QCOMPARE(shown->centralWidget(), cumulator.editor());
            QCOMPARE(cumulator.editor()->property("controlId").toInt(), 452);
            QCOMPARE(cumulator.editor()->toPlainText().toLatin1(), cumulated());
            QVERIFY(!cumulator.editor()->document()->isModified());

            const QList<QAction*> menus = shown->menuBar()->actions();
            QCOMPARE(menus.size(), 1);
            QCOMPARE(menus[0]->text(), QStringLiteral("Cumulative List &Menu"));
            QStringList items;
            for (QAction* item : menus[0]->menu()->actions()) {
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            }
            QCOMPARE(items, (QStringList{"&Copy Selection to Clipboard",
                                         "&Save Cumulative List to Disc", "-", "E&xit Lottavo"}));
            menus[0]->menu()->actions().last()->trigger();  // Exit closes the window
        });
        QCOMPARE(cumulator.run(), 0);
        QVERIFY(!cumulator.mainWindow()->isVisible());
        QCOMPARE(rig->box.shown.size(), std::size_t{0});
    }

    void copySelectionPutsItOnTheClipboard() {
        const QString all = editor->toPlainText();
        QTextCursor cursor(editor->document());
        cursor.setPosition(all.indexOf(u"List #002"));
        cursor.setPosition(all.indexOf(u"List #003"), QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
        editor->command(kCmEditCopy);
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY(copied.startsWith(u"List #002:\n00  "));
        QVERIFY(copied.endsWith(u"\n\n\n"));
        QCOMPARE(copied, cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n'));
    }

    void saveWritesTheTextByteForByte() {
        const QString path = pathIn("lists.txt");
        rig->fileDialog.answers << path;
        editor->command(kCmFileSaveAs);
        QCOMPARE(rig->fileDialog.asked.size(), std::size_t{1});
        const auto& asked = rig->fileDialog.asked[0];
        QCOMPARE(asked.owner, static_cast<QWidget*>(editor));
        QCOMPARE(asked.filters, (QStringList{"Text files (*.txt)", "All Files (*)"}));
        QCOMPARE(readAll(path), cumulated());
        QVERIFY(!cumulated().contains('\r'));
        QCOMPARE(editor->fileName(), path);
        QVERIFY(QDir(folder->path()).entryList(QDir::Files) == QStringList{"lists.txt"});
    }

    void aSaveCancelledInTheDialogWritesNothing() {
        editor->command(kCmFileSaveAs);
        QCOMPARE(rig->fileDialog.asked.size(), std::size_t{1});
        QVERIFY(QDir(folder->path()).isEmpty());
        QCOMPARE(rig->box.shown.size(), std::size_t{0});
    }

    void aSaveThatCannotBeWrittenIsReported_data() {
        QTest::addColumn<QString>("path");
        QTest::newRow("folder is a file") << QStringLiteral("plain.txt/lists.txt");
        QTest::newRow("folder does not exist") << QStringLiteral("missing/lists.txt");
    }
    void aSaveThatCannotBeWrittenIsReported() {
        QFETCH(QString, path);
        writeAll(pathIn("plain.txt"), "plain");
        const QString target = folder->filePath(path);
        edit();
        rig->fileDialog.answers << target;
        editor->command(kCmFileSaveAs);
        const auto failures = writeFailures();
        QCOMPARE(failures.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(failures[0].text),
                 QStringLiteral("Unable to write file %1 to disk.").arg(target));
        QCOMPARE(failures[0].caption, std::string(kCumulatorName));
        QCOMPARE(failures[0].style, kBoxOk | kBoxIconExclamation);
        QCOMPARE(failures[0].owner, static_cast<void*>(static_cast<QWidget*>(editor)));
        QVERIFY(editor->document()->isModified());
        QVERIFY(frame->isVisible());
        QVERIFY(editor->fileName().isEmpty());
        QCOMPARE(readAll(pathIn("plain.txt")), QByteArray("plain"));
    }

    void anExistingFileSurvivesAFailedSave() {
        const QString path = pathIn("lists.txt");
        writeAll(path, "the lists of yesterday\n");
        rig->fileDialog.answers << path;
        {
            const FileSizeLimitC limit(64);  // far below the cumulative text
            editor->command(kCmFileSaveAs);
        }
        QCOMPARE(writeFailures().size(), std::size_t{1});
        QCOMPARE(readAll(path), QByteArray("the lists of yesterday\n"));
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList{"lists.txt"});
    }

    void shownTextClosesWithoutAQuestion() {
        QVERIFY(frame->close());
        QCOMPARE(rig->box.shown.size(), std::size_t{0});
    }

    void changedTextAsksOnClose_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("savedAs");  // empty: the save dialog is cancelled
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("written");
        QTest::newRow("Yes saves and closes") << kButtonYes << "lists.txt" << true << true;
        QTest::newRow("Yes, save cancelled") << kButtonYes << "" << false << false;
        QTest::newRow("Yes, save failed") << kButtonYes << "none/lists.txt" << false << false;
        QTest::newRow("No closes unsaved") << kButtonNo << "lists.txt" << true << false;
        QTest::newRow("Cancel keeps it open") << kButtonCancel << "lists.txt" << false << false;
    }
    void changedTextAsksOnClose() {
        QFETCH(int, answer);
        QFETCH(QString, savedAs);
        QFETCH(bool, closes);
        QFETCH(bool, written);
        edit();
        rig->box.answer = answer;
        if (!savedAs.isEmpty()) rig->fileDialog.answers << folder->filePath(savedAs);

        QCOMPARE(frame->close(), closes);
        QVERIFY(!rig->box.shown.empty());
        const auto& asked = rig->box.shown[0];
        QCOMPARE(asked.text,
                 std::string("The text in the cumulated list has changed.\nDo you wish to save?"));
        QCOMPARE(asked.caption, std::string(kCumulatorName));
        QCOMPARE(asked.style, kBoxYesNoCancel | kBoxIconQuestion);
        QCOMPARE(frame->isVisible(), !closes);
        QCOMPARE(editor->document()->isModified(), !written);
        const QString target = savedAs.isEmpty() ? QString() : folder->filePath(savedAs);
        QCOMPARE(!target.isEmpty() && QFile::exists(target), written);
        if (written) QVERIFY(readAll(target).endsWith("\nnote"));
    }

    // After a save the window knows its file: a later Yes writes there without asking.
    void yesSavesToTheFileOfTheLastSave() {
        const QString path = pathIn("lists.txt");
        rig->fileDialog.answers << path;
        editor->command(kCmFileSaveAs);
        edit();
        rig->box.answer = kButtonYes;
        QVERIFY(frame->close());
        QCOMPARE(rig->fileDialog.asked.size(), std::size_t{1});
        QCOMPARE(readAll(path), cumulated() + "note");
    }

    void theRunsTextIsEmptiedWhenTheWindowHasClosed() {
        frame.reset();
        QCOMPARE(closeCumulatorOnceOpen(), true);
        QCOMPARE(engine->getTextPtrLen(), 0u);
        QCOMPARE(engine->getCumShown(), 1);
    }

    void anEmptyTextOpensNoWindow() {
        frame.reset();
        engine->setTextPtr(0, "");
        QCOMPARE(closeCumulatorOnceOpen(), false);
        QCOMPARE(engine->getCumShown(), 0);
    }

    void theWindowOpensOnceOnly() {
        frame.reset();
        engine->setCumShown(1);
        QCOMPARE(closeCumulatorOnceOpen(), false);
        QCOMPARE(engine->getTextPtrLen(), 0u);
    }
};

int runCumulatorTests(int argc, char** argv) {
    CumulatorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "cumulator_test.moc"
