#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "box_styles.h"
#include "cumulator_win.h"
#include "lottavo_dlg.h"
#include "show_cumulated_lists.h"
#include "test_suites.h"
#include "window_rig.h"

using namespace lottavo;

namespace {

const std::string kSeedMessage =
    "Generate: Please enter a decimal seed value\n between 0 and 32000.\n\nInvalid input = [";
// The first two lines of list 1 from seed 0 when the clock shows k mod 1000 at its k-th
// reading, as worked out by hand for the engine.
const std::string kList1Start = "00  0185304347 = 0B0B851B\n01  1052578384 = 3EBD1250\n";
const QString kOtherText = QStringLiteral("text from another program");

}  // namespace

class GeneratorDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<WindowRigC> rig;
    std::unique_ptr<LottavoDlgC> dlg;

    QLineEdit* seedBox() { return dlg->findChild<QLineEdit*>(QStringLiteral("InStr")); }
    QPushButton* button(const char* name) {
        return dlg->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void click(const char* name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void makeDialog(const AppServicesC& services) {
        dlg = std::make_unique<LottavoDlgC>(nullptr, services);
        dlg->show();
    }
    void generateLists(int count) {
        for (int n = 0; n < count; ++n) click("Generate");
    }
    std::vector<RecordingMsgBoxC::ShownC> listBoxes() { return rig->boxesCaptioned(kListCaption); }
    void* dialogOwner() { return static_cast<QWidget*>(dlg.get()); }

private slots:
    void init() {
        rig = std::make_unique<WindowRigC>();
        makeDialog(rig->services());
        QGuiApplication::clipboard()->setText(kOtherText);
    }
    void cleanup() {
        dlg.reset();
        rig.reset();
    }

    void theUntouchedBoxMakesList1FromSeed0() {
        QCOMPARE(seedBox()->text(), QString());
        QCOMPARE(dlg->getUSeedStr(), "0");
        click("Generate");
        QCOMPARE(dlg->getListNum(), 1);
        QCOMPARE(dlg->getSeedVal(), 0);
        const auto lists = listBoxes();
        QCOMPARE(lists.size(), std::size_t{1});
        QCOMPARE(lists[0].caption, kListCaption + "001");
        QCOMPARE(lists[0].owner, nullptr);
        QCOMPARE(lists[0].style, kBoxIconInformation | kBoxOk | kBoxSetForeground);
        QVERIFY(lists[0].text.starts_with(kList1Start));
        QCOMPARE(std::count(rig->waits.waits.begin(), rig->waits.waits.end(), 11u), 40);
    }

    void theDefaultButtonIsGenerate() {
        QVERIFY(button("Generate")->isDefault());
        QVERIFY(!button("Copy")->isDefault());
        QVERIFY(!button("Quit")->isDefault());
        QTest::keyClicks(seedBox(), QStringLiteral("12"));
        QTest::keyClick(seedBox(), Qt::Key_Return);
        QCOMPARE(dlg->getListNum(), 1);
        QCOMPARE(dlg->getSeedVal(), 12);
    }

    void refusedSeeds_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("status");
        QTest::newRow("emptied box") << QString() << -2;
        QTest::newRow("letters") << QStringLiteral("abc") << -3;
        QTest::newRow("above 32000") << QStringLiteral("32001") << -4;
        QTest::newRow("leading blank") << QStringLiteral(" 5") << -2;
        QTest::newRow("minus sign") << QStringLiteral("-1") << -3;
    }
    void refusedSeeds() {
        QFETCH(QString, typed);
        QFETCH(int, status);
        QTest::keyClicks(seedBox(), QStringLiteral("7"));
        QTest::keyClick(seedBox(), Qt::Key_Backspace);
        QTest::keyClicks(seedBox(), typed);
        click("Generate");

        QCOMPARE(rig->box.shown.size(), std::size_t{1});
        const auto& report = rig->box.shown[0];
        QCOMPARE(report.caption, kErrorCaption);
        const std::string expected = kSeedMessage + typed.toStdString() +
                                     "]\n\n   -----> Status = " + std::to_string(status) +
                                     " *****\n";
        QCOMPARE(report.text, expected);
        QCOMPARE(seedBox()->text(), QStringLiteral("0"));
        QCOMPARE(dlg->getUSeedStr(), "0");
        QCOMPARE(dlg->getListNum(), 0);

        click("Generate");  // the reset box is a valid seed
        QCOMPARE(dlg->getListNum(), 1);
        QCOMPARE(dlg->getSeedVal(), 0);
    }

    void acceptedSeeds_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::newRow("five digits at the top") << QStringLiteral("32000") << 32000;
        QTest::newRow("zeros") << QStringLiteral("00000") << 0;
        QTest::newRow("small") << QStringLiteral("17") << 17;
    }
    void acceptedSeeds() {
        QFETCH(QString, typed);
        QFETCH(int, value);
        QTest::keyClicks(seedBox(), typed);
        click("Generate");
        QCOMPARE(rig->boxesCaptioned(kErrorCaption).size(), std::size_t{0});
        QCOMPARE(dlg->getListNum(), 1);
        QCOMPARE(dlg->getSeedVal(), value);
        QCOMPARE(seedBox()->text(), typed);
    }

    void aSixthCharacterCannotBeTyped() {
        QTest::keyClicks(seedBox(), QStringLiteral("123456"));
        QCOMPARE(seedBox()->text(), QStringLiteral("12345"));
        QCOMPARE(dlg->getUSeedStr(), "12345");
    }

    // Five characters of the box are five bytes of the engine's seed, whatever was typed.
    void theSeedMirrorsTheBoxByteForCharacter() {
        for (int i = 0; i < 5; ++i) {  // keys outside ASCII, as a keyboard layout sends them
            QTest::sendKeyEvent(QTest::Click, seedBox(), Qt::Key_unknown, QStringLiteral("\u20ac"),
                                Qt::NoModifier);
        }
        QCOMPARE(seedBox()->text(), QStringLiteral("\u20ac\u20ac\u20ac\u20ac\u20ac"));
        QCOMPARE(dlg->getUSeedStr(), "?????");
        click("Generate");
        QCOMPARE(rig->box.shown.size(), std::size_t{1});
        QVERIFY(rig->box.shown[0].text.starts_with(kSeedMessage + "?????]\n"));
    }

    void copyBeforeAnyListLeavesTheClipboard() {
        click("Copy");
        QCOMPARE(rig->box.shown.size(), std::size_t{1});
        const auto& shown = rig->box.shown[0];
        QCOMPARE(shown.text, std::string("Nothing Generated yet."));
        QCOMPARE(shown.caption, std::string("  COPY to Clipboard  "));
        QCOMPARE(shown.style, kBoxIconQuestion | kBoxOk | kBoxSystemModal);
        QCOMPARE(shown.owner, dialogOwner());
        QCOMPARE(QGuiApplication::clipboard()->text(), kOtherText);
    }

    void copyAfterList3PutsList3OnTheClipboard() {
        generateLists(3);
        const std::string list3 = listBoxes().at(2).text;
        click("Copy");
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), list3);
        const std::string confirmation = "Copied List #003 to Windows Clipboard.\n (List cleared).";
        QCOMPARE(rig->box.shown.back().text, confirmation);
        QCOMPARE(rig->box.shown.back().owner, dialogOwner());

        click("Copy");  // the confirmation is what the box holds now
        QCOMPARE(QGuiApplication::clipboard()->text().toStdString(), confirmation);
        QCOMPARE(rig->box.shown.back().text, confirmation);
        QCOMPARE(rig->clipboard.blockCount(), std::size_t{0});
    }

    void aFailedClipboardStepEndsTheProgram() {
        rig->memoryClipboard.failing = MemoryClipboardC::StepE::Open;
        makeDialog(rig->servicesWith(rig->memoryClipboard));
        generateLists(1);
        int32_t ended = 0;
        try {
            dlg->doCopyThisList();
        } catch (const ProgramEndedC& end) {
            ended = end.status;
        }
        QCOMPARE(ended, -2);
        const auto reports = rig->boxesCaptioned(kErrorCaption);
        QCOMPARE(reports.size(), std::size_t{2});
        QVERIFY(reports[0].text.starts_with("RandomizeC::copyListTextToClipboard() failed.\n"));
        QVERIFY(reports[1].text.starts_with(
            "LottavoDlgC::doCopyThisList() failed.\nCant copy the list as text to Windows "
            "clipboard.\n   -----> Status = -2 *****\n"));
        QVERIFY(reports[1].text.ends_with("\n\nFatal Error.   Aborting ...\n"));
    }

    void quitBeforeAnyListAsks_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("No keeps the dialog") << kButtonNo << false;
        QTest::newRow("Yes closes it") << kButtonYes << true;
    }
    void quitBeforeAnyListAsks() {
        QFETCH(int, answer);
        QFETCH(bool, closes);
        rig->box.answer = answer;
        QSignalSpy finished(dlg.get(), &QDialog::finished);
        click("Quit");
        QCOMPARE(rig->box.shown.size(), std::size_t{1});
        const auto& asked = rig->box.shown[0];
        QCOMPARE(asked.text, std::string("Are you sure you want to quit?"));
        QCOMPARE(asked.caption, std::string(" Lottavo:  QUITTING?"));
        QCOMPARE(asked.style, kQuitBoxStyle);
        QCOMPARE(asked.style, 0x11024u);
        QCOMPARE(asked.owner, dialogOwner());
        QCOMPARE(finished.size(), closes ? 1 : 0);
        if (closes) QCOMPARE(finished[0][0].toInt(), int{QDialog::Accepted});
        QCOMPARE(dlg->isVisible(), !closes);
    }

    void escapeTakesTheWayOfQuit() {
        QSignalSpy finished(dlg.get(), &QDialog::finished);
        QTest::keyClick(seedBox(), Qt::Key_Escape);
        QCOMPARE(rig->box.shown.size(), std::size_t{1});
        QCOMPARE(rig->box.shown[0].caption, std::string(" Lottavo:  QUITTING?"));
        QCOMPARE(finished.size(), 0);

        generateLists(1);
        bool opened = false;
        whenCumulatorOpen([&](CumulatorWinC*) { opened = true; });
        QTest::keyClick(seedBox(), Qt::Key_Escape);
        QVERIFY(opened);
        QCOMPARE(finished.size(), 1);
    }

    void quitAfterListsShowsTheCumulativeList() {
        generateLists(3);
        const auto lists = listBoxes();
        const std::string cumulated = dlg->getTextPtr();
        QSignalSpy finished(dlg.get(), &QDialog::finished);
        whenCumulatorOpen([&](CumulatorWinC* win) {
            QCOMPARE(win->window()->windowTitle(), QString::fromLatin1(kCumulatorName));
            QCOMPARE(win->window()->frameGeometry().topLeft(), QPoint(50, 50));
            QCOMPARE(win->window()->size(), QSize(640, 100));
            const std::string shown = win->toPlainText().toStdString();
            QCOMPARE(shown, cumulated);
            QVERIFY(
                shown.starts_with("Cumulated lists this session (save for proper format):  \n"));
            std::size_t at = 0;
            for (int n = 0; n < 3; ++n) {
                const std::string header = "\n\nList #00" + std::to_string(n + 1) + ":\n";
                at = shown.find(header + lists[n].text + "\n", at);
                QVERIFY2(at != std::string::npos, header.c_str());
            }
        });
        click("Quit");
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished[0][0].toInt(), int{QDialog::Accepted});
        QCOMPARE(rig->boxesCaptioned(" Lottavo:  QUITTING?").size(), std::size_t{0});
        QCOMPARE(dlg->getTextPtrLen(), 0u);
        QCOMPARE(dlg->getCumShown(), 1);
    }

    void commandsDoNothingWhileTheCumulativeListIsOpen() {
        generateLists(2);
        const std::size_t boxesBefore = rig->box.shown.size();
        std::size_t boxesWhileOpen = 0;
        whenCumulatorOpen([&](CumulatorWinC*) {
            QTest::keyClicks(seedBox(), QStringLiteral("abc"));
            click("Generate");
            click("Copy");
            click("Quit");
            QTest::keyClick(seedBox(), Qt::Key_Escape);
            boxesWhileOpen = rig->box.shown.size() - boxesBefore;
        });
        click("Quit");
        QCOMPARE(boxesWhileOpen, std::size_t{0});
        QCOMPARE(dlg->getListNum(), 2);
        QCOMPARE(QGuiApplication::clipboard()->text(), kOtherText);
        click("Generate");  // and after it has closed
        QCOMPARE(dlg->getListNum(), 2);
        QCOMPARE(rig->box.shown.size(), boxesBefore);
    }

    // The list box leaves the dialog working: a second list runs inside the first box's wait.
    void aListMadeWhileTheLastIsShownComesAfterIt() {
        rig->box.duringShow = [this] { click("Generate"); };
        click("Generate");
        QCOMPARE(dlg->getListNum(), 2);
        const auto lists = listBoxes();
        QCOMPARE(lists.size(), std::size_t{2});
        QCOMPARE(lists[0].caption, kListCaption + "001");
        QCOMPARE(lists[1].caption, kListCaption + "002");
        const std::string text = dlg->getTextPtr();
        QVERIFY(text.find("List #001:") < text.find("List #002:"));
    }
};

int runGeneratorDialogTests(int argc, char** argv) {
    GeneratorDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "generator_dialog_test.moc"
