#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cstring>
#include <memory>

#include "box_styles.h"
#include "lottavo_dlg.h"
#include "qt_clipboard.h"
#include "qt_msg_box.h"
#include "test_suites.h"
#include "text_codec.h"
#include "window_rig.h"

using namespace lottavo;

namespace {

// The visible message boxes, in the order they were opened.
QList<QMessageBox*> openBoxes() {
    QList<QMessageBox*> boxes;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) {
            boxes << box;
        }
    }
    return boxes;
}

void closeBoxes() {
    for (QMessageBox* box : openBoxes()) box->reject();
}

}  // namespace

class QtServicesTest : public QObject {
    Q_OBJECT

private slots:
    void boxLooks_data() {
        QTest::addColumn<uint>("style");
        QTest::addColumn<bool>("owned");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("modality");
        QTest::addColumn<bool>("onTop");
        QTest::addColumn<bool>("foreground");
        const int ok = QMessageBox::Ok;
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        const int yesNoCancel = yesNo | QMessageBox::Cancel;
        QTest::newRow("list") << 0x10040u << false << int{QMessageBox::Information} << ok
                              << int{Qt::NonModal} << false << true;
        QTest::newRow("copy") << 0x1020u << true << int{QMessageBox::Question} << ok
                              << int{Qt::ApplicationModal} << true << false;
        QTest::newRow("quit") << 0x11024u << true << int{QMessageBox::Question} << yesNo
                              << int{Qt::ApplicationModal} << true << true;
        QTest::newRow("error") << 0x2010u << false << int{QMessageBox::Critical} << ok
                               << int{Qt::ApplicationModal} << false << false;
        QTest::newRow("changed text") << 0x23u << true << int{QMessageBox::Question} << yesNoCancel
                                      << int{Qt::WindowModal} << false << false;
        QTest::newRow("write failure") << 0x30u << true << int{QMessageBox::Warning} << ok
                                       << int{Qt::WindowModal} << false << false;
        QTest::newRow("top-most") << 0x40001u << false << int{QMessageBox::NoIcon}
                                  << int{QMessageBox::Ok | QMessageBox::Cancel} << int{Qt::NonModal}
                                  << true << false;
    }
    void boxLooks() {
        QFETCH(uint, style);
        QFETCH(bool, owned);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(int, modality);
        QFETCH(bool, onTop);
        QFETCH(bool, foreground);
        const BoxLookC look = boxLookOf(style, owned);
        QCOMPARE(int{look.icon}, icon);
        QCOMPARE(look.buttons.toInt(), buttons);
        QCOMPARE(int{look.modality}, modality);
        QCOMPARE(look.onTop, onTop);
        QCOMPARE(look.foreground, foreground);
    }

    void answersAreTheStylesButtons() {
        const auto yesNo = QMessageBox::Yes | QMessageBox::No;
        QCOMPARE(buttonOf(QMessageBox::Yes, yesNo), kButtonYes);
        QCOMPARE(buttonOf(QMessageBox::No, yesNo), kButtonNo);
        QCOMPARE(buttonOf(QMessageBox::Ok, QMessageBox::Ok), kButtonOk);
        QCOMPARE(buttonOf(QMessageBox::Cancel, yesNo | QMessageBox::Cancel), kButtonCancel);
        // Never answered: as escaped.
        QCOMPARE(buttonOf(QMessageBox::NoButton, yesNo), kButtonNo);
        QCOMPARE(buttonOf(QMessageBox::NoButton, yesNo | QMessageBox::Cancel), kButtonCancel);
        QCOMPARE(buttonOf(QMessageBox::NoButton, QMessageBox::Ok), kButtonOk);
    }

    // The box shows the text it was given even when the buffer is rewritten while it is up.
    void theBoxKeepsItsOwnTexts() {
        char text[64] = "00  0185304347 = 0B0B851B\n<b>&amp;";
        char caption[32] = " Random Number List #001";
        QString shownText;
        QString shownCaption;
        Qt::WindowModality modality = Qt::ApplicationModal;
        QTimer::singleShot(0, [&] {
            std::strcpy(text, "Copied List #001 to Windows Clipboard.");
            std::strcpy(caption, "  COPY to Clipboard  ");
            QMessageBox* box = openBoxes().value(0);
            if (box == nullptr) QFAIL("no box");
            shownText = box->text();
            shownCaption = box->windowTitle();
            modality = box->windowModality();
            box->button(QMessageBox::Ok)->click();
        });
        QtMsgBoxC qtBox;
        QCOMPARE(qtBox.show(nullptr, text, caption, 0x10040), kButtonOk);
        QCOMPARE(shownText, QStringLiteral("00  0185304347 = 0B0B851B\n<b>&amp;"));
        QCOMPARE(shownCaption, QStringLiteral(" Random Number List #001"));
        QCOMPARE(modality, Qt::NonModal);
    }

    void theClickedButtonIsTheAnswer() {
        QWidget owner;
        owner.show();
        QTimer::singleShot(0, [] {
            QMessageBox* box = QApplication::activeModalWidget()
                                   ? qobject_cast<QMessageBox*>(QApplication::activeModalWidget())
                                   : nullptr;
            if (box == nullptr) QFAIL("no modal box");
            QCOMPARE(box->icon(), QMessageBox::Question);
            QVERIFY(box->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            box->button(QMessageBox::Yes)->click();
        });
        QtMsgBoxC qtBox;
        QCOMPARE(qtBox.show(&owner, "Are you sure you want to quit?", " Lottavo:  QUITTING?",
                            kQuitBoxStyle),
                 kButtonYes);
    }

    // The list box has no owner and holds nothing up: Generate works while it is shown, and
    // the second list's box opens above the first.
    void theListBoxLeavesTheDialogWorking() {
        WindowRigC rig;
        QtMsgBoxC qtBox;
        const AppServicesC services{
            {rig.err, rig.clock, rig.waits, qtBox, rig.clipboard, rig.memory}, rig.fileDialog};
        LottavoDlgC dlg(nullptr, services);
        dlg.show();
        auto* generate = dlg.findChild<QPushButton*>(QStringLiteral("Generate"));
        bool heldUp = true;
        QStringList captionsWhileSecondUp;
        QTimer::singleShot(0, [&] {
            heldUp = QApplication::activeModalWidget() != nullptr;
            QTimer::singleShot(0, [&] {
                for (QMessageBox* box : openBoxes()) captionsWhileSecondUp << box->windowTitle();
                closeBoxes();
            });
            QTest::mouseClick(generate, Qt::LeftButton);
            closeBoxes();
        });
        QTest::mouseClick(generate, Qt::LeftButton);
        QVERIFY(!heldUp);
        captionsWhileSecondUp.sort();
        QCOMPARE(captionsWhileSecondUp,
                 (QStringList{" Random Number List #001", " Random Number List #002"}));
        QCOMPARE(dlg.getListNum(), 2);
        QVERIFY(openBoxes().isEmpty());
    }

    void clipboardStepsPutTheTextOnTheDesktop() {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QtClipboardC clip;
        const ClipHandleT block = clip.allocate(kClipBlockFlags, 1200);
        QVERIFY(block != 0);
        char* bytes = clip.lock(block);
        QVERIFY(bytes != nullptr);
        QCOMPARE(std::count(bytes, bytes + 1200, '\0'), 1200);
        std::strcpy(bytes, "01  1052578384 = 3EBD1250\n");
        QCOMPARE(clip.unlock(block), 0);
        QCOMPARE(clip.lastError(), 0u);
        QCOMPARE(clip.open(nullptr), 1);
        QCOMPARE(clip.open(nullptr), 0);  // already open
        QCOMPARE(clip.empty(), 1);
        QCOMPARE(clip.setData(kClipFormatText, block), block);
        QCOMPARE(clip.close(), 1);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("01  1052578384 = 3EBD1250\n"));
        QCOMPARE(clip.blockCount(), std::size_t{0});
    }

    void clipboardStepsOutOfOrderFail() {
        QtClipboardC clip;
        const ClipHandleT block = clip.allocate(kClipBlockFlags, 16);
        QCOMPARE(clip.unlock(block), 0);
        QCOMPARE(clip.lastError(), QtClipboardC::kErrorNotLocked);
        QVERIFY(clip.lock(block + 1) == nullptr);
        QCOMPARE(clip.empty(), 0);
        QCOMPARE(clip.setData(kClipFormatText, block), ClipHandleT{0});
        QCOMPARE(clip.close(), 0);
        QCOMPARE(clip.lastError(), QtClipboardC::kErrorClipboardNotOpen);
        QCOMPARE(clip.open(nullptr), 1);
        QCOMPARE(clip.setData(kClipFormatText + 1, block), ClipHandleT{0});
        QCOMPARE(clip.close(), 1);
        QCOMPARE(clip.blockCount(), std::size_t{1});
        clip.release(block);
        QCOMPARE(clip.blockCount(), std::size_t{0});
    }

    void anEmptiedClipboardClosedWithoutDataIsCleared() {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QtClipboardC clip;
        QCOMPARE(clip.open(nullptr), 1);
        QCOMPARE(clip.empty(), 1);
        QCOMPARE(clip.close(), 1);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    }

    void engineTexts_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ascii") << QByteArray("List #001:\n") << QStringLiteral("List #001:\n");
        QTest::newRow("utf-8") << QByteArray("argv: \xc3\xa4") << QStringLiteral("argv: \u00e4");
        QTest::newRow("one byte") << QByteArray("[\xe4]") << QStringLiteral("[\u00e4]");
    }
    void engineTexts() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(textFromEngine(bytes.constData()), text);
    }

    void seedTextsAreOneBytePerCharacter() {
        QCOMPARE(seedTextForEngine(QStringLiteral("123")), QByteArray("123"));
        QCOMPARE(seedTextForEngine(QStringLiteral("\u00e4")), QByteArray("\xe4"));
        QCOMPARE(seedTextForEngine(QStringLiteral("\u20ac1")), QByteArray("?1"));
    }
};

int runQtServicesTests(int argc, char** argv) {
    QtServicesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "qt_services_test.moc"
