#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "fake_launcher.h"
#include "fake_registry.h"
#include "frm_about.h"
#include "sys_info.h"
#include "window_test_doubles.h"

using namespace quorvel;

namespace {

// Word for word, with its double blanks.
const QString kDescriptionText = QStringLiteral(
    "This program is designed to help your child learn  their multiplication tables through rote "
    "memorization.  This program will time them.  The program will time them so they can see how "
    "long it took them to complete the multiplication table.  The faster they can do it, the "
    "better they know it.");

}  // namespace

class AboutWindowTest : public QObject {
    Q_OBJECT

private:
    RecordingBoxes boxes;
    FakeRegistry registry;
    FakeLauncher launcher;
    QPointer<frmAbout> window;

    template <typename T>
    T* Find(const char* name) {
        return Child<T>(window, name);
    }
    QLabel* Label(const char* name) { return Find<QLabel>(name); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(name); }

private slots:
    void init() {
        boxes = {};
        registry = {};
        launcher = {};
        window = new frmAbout(nullptr, boxes, registry, launcher);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    void cleanup() {
        delete window.data();
        FlushClosedWindows();
    }

    void showsTitleVersionAndDescription_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("points");
        QTest::newRow("lblTitle") << "lblTitle"
                                  << "Quorvel" << 15.75;
        QTest::newRow("lblVersion") << "lblVersion"
                                    << "Version 1.50.0" << 8.25;
        QTest::newRow("lblDescription") << "lblDescription" << kDescriptionText << 12.0;
        QTest::newRow("lblDisclaimer") << "lblDisclaimer"
                                       << "" << 11.25;
    }
    void showsTitleVersionAndDescription() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(qreal, points);
        QCOMPARE(window->windowTitle(), QStringLiteral("About Quorvel"));
        const QLabel* label = Label(qPrintable(name));
        if (text.isEmpty()) {
            QVERIFY(label->text().size() > 20);  // a notice of the program's own
        } else {
            QCOMPARE(label->text(), text);
        }
        QCOMPARE(label->font().pointSizeF(), points);
        QVERIFY(!label->font().bold());
        if (!label->wordWrap()) {
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
        }
    }

    void longTextsWrapInsideTheirBoxes() {
        for (const char* name : {"lblDescription", "lblDisclaimer"}) {
            const QLabel* label = Label(name);
            QVERIFY(label->wordWrap());
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), name);
        }
    }

    void isLaidOutInTwips_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("picIcon") << "picIcon" << QRect(16, 16, 36, 36);
        QTest::newRow("lblTitle") << "lblTitle" << QRect(70, 16, 259, 32);
        QTest::newRow("lblVersion") << "lblVersion" << QRect(320, 16, 91, 15);
        QTest::newRow("lblDescription") << "lblDescription" << QRect(40, 54, 379, 123);
        QTest::newRow("lblDisclaimer") << "lblDisclaimer" << QRect(16, 200, 324, 95);
        QTest::newRow("cmdOK") << "cmdOK" << QRect(347, 199, 84, 23);
        QTest::newRow("cmdSysInfo") << "cmdSysInfo" << QRect(348, 229, 83, 23);
        // the etched separator covers its grey line and the white one below it
        QTest::newRow("Line1") << "Line1" << QRect(16, 184, 417, 6);
    }
    void isLaidOutInTwips() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QCOMPARE(Find<QWidget>(qPrintable(name))->geometry(), geometry);
        QCOMPARE(window->size(), QSize(445, 306));
        QVERIFY(!Label("picIcon")->pixmap().isNull());
    }

    void isAFixedModalBoxWithACloseBox() {
        QCOMPARE(window->windowModality(), Qt::ApplicationModal);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint));
    }

    void okHasTheFocusAndIsTheDefault() {
        QCOMPARE(QApplication::focusWidget(), Button("cmdOK"));
        QVERIFY(Button("cmdOK")->isDefault());
        QCOMPARE(Button("cmdOK")->text(), QStringLiteral("OK"));
        QCOMPARE(Button("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
    }

    void enterEscOkAndTheCloseBoxCloseIt_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Enter") << "Enter";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("OK") << "OK";
        QTest::newRow("close box") << "close";
    }
    void enterEscOkAndTheCloseBoxCloseIt() {
        QFETCH(QString, how);
        if (how == "Enter") {
            QTest::keyClick(Button("cmdOK"), Qt::Key_Return);
        } else if (how == "Esc") {
            QTest::keyClick(Button("cmdSysInfo"), Qt::Key_Escape);
        } else if (how == "OK") {
            Button("cmdOK")->click();
        } else {
            window->close();
        }
        QTRY_VERIFY(window.isNull() || !window->isVisible());
        QVERIFY(boxes.shown.isEmpty());
        QVERIFY(launcher.tried.empty());
    }

    void systemInfoStartsTheRegisteredTool() {
        registry.SetText(kSysInfoKey, "PATH", "C:\\Tools\\MSINFO32.EXE");
        launcher.installed = {"C:\\Tools\\MSINFO32.EXE"};
        Button("cmdSysInfo")->click();
        QCOMPARE(launcher.started, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
        QVERIFY(boxes.shown.isEmpty());
        QVERIFY(window->isVisible());
    }

    void systemInfoStartsTheToolInTheRegisteredFolder() {
        registry.SetText(kSysInfoLocationKey, "MSINFO", "C:\\Shared");
        launcher.files = launcher.installed = {"C:\\Shared\\MSINFO32.EXE"};
        QTest::keyClick(window, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(launcher.started, std::vector<std::string>{"C:\\Shared\\MSINFO32.EXE"});
        QVERIFY(boxes.shown.isEmpty());
    }

    void systemInfoWithoutRegistryStartsALinuxTool() {
        launcher.installed = {"gnome-system-monitor"};
        Button("cmdSysInfo")->click();
        QCOMPARE(launcher.started, std::vector<std::string>{"gnome-system-monitor"});
        QVERIFY(boxes.shown.isEmpty());
    }

    void systemInfoWithNothingToStartSaysItIsUnavailable_data() {
        QTest::addColumn<bool>("registered");
        QTest::newRow("nothing registered") << false;
        QTest::newRow("registered tool will not start") << true;
    }
    void systemInfoWithNothingToStartSaysItIsUnavailable() {
        QFETCH(bool, registered);
        if (registered) registry.SetText(kSysInfoKey, "PATH", "C:\\Gone\\MSINFO32.EXE");
        Button("cmdSysInfo")->click();
        QVERIFY(launcher.started.empty());
        QCOMPARE(boxes.Texts(), QStringList{"System Information Is Unavailable At This Time"});
        const BoxRequest& box = boxes.shown[0].request;
        QCOMPARE(box.title, QStringLiteral("Quorvel"));
        QCOMPARE(box.icon, BoxIcon::None);
        QCOMPARE(box.buttons, BoxButtons::Ok);
        QCOMPARE(boxes.shown[0].owner, QStringLiteral("frmAbout"));
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_test.moc"
