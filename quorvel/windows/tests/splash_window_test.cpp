#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "frm_splash.h"
#include "window_test_doubles.h"

using namespace quorvel;

class SplashWindowTest : public QObject {
    Q_OBJECT

private:
    QPointer<frmSplash> window;

    template <typename T>
    T* Find(const char* name) {
        return Child<T>(window, name);
    }
    void Open(int intervalMs) {
        window = new frmSplash(intervalMs);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

private slots:
    void cleanup() {
        delete window.data();
        FlushClosedWindows();
    }

    void standsForSixSecondsByDefault() {
        QCOMPARE(kSplashIntervalMs, 6000);
        window = new frmSplash;
        // the timer runs from the moment the window loads, before it is even shown
        const QTimer* timer = Find<QTimer>("tmrClose");
        QCOMPARE(timer->interval(), 6000);
        QVERIFY(timer->isSingleShot());
        QVERIFY(timer->isActive());
    }

    void reportsTheTimeUpOnceAfterItsInterval() {
        Open(50);
        QSignalSpy timeUp(window.data(), &frmSplash::timeUp);
        QCOMPARE(timeUp.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(timeUp.count(), 1, 2000);
        QTest::qWait(120);
        QCOMPARE(timeUp.count(), 1);
    }

    void reactsToNoKeyNoClickAndNoClose() {
        Open(60000);
        QSignalSpy timeUp(window.data(), &frmSplash::timeUp);
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_F4}) {
            QTest::keyClick(window, key);
        }
        QTest::keyClick(window, Qt::Key_F4, Qt::AltModifier);
        QTest::mouseClick(window, Qt::LeftButton);
        QTest::mouseClick(Find<QWidget>("lblProductName"), Qt::LeftButton);
        window->close();
        QVERIFY(window->isVisible());
        QCOMPARE(timeUp.count(), 0);
        QVERIFY(Find<QTimer>("tmrClose")->isActive());
    }

    void showsTitleVersionLogoAndNotices_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("lblProductName") << "lblProductName"
                                        << "Quorvel" << 27.75 << true;
        QTest::newRow("lblVersion") << "lblVersion"
                                    << "Version 1.50.0" << 12.0 << true;
        QTest::newRow("Label1") << "Label1"
                                << "" << 12.75 << true;
        QTest::newRow("lblMaker") << "lblMaker"
                                  << "" << 8.25 << false;
        QTest::newRow("lblRights") << "lblRights"
                                   << "" << 8.25 << false;
    }
    void showsTitleVersionLogoAndNotices() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        Open(60000);
        const QLabel* label = Find<QLabel>(qPrintable(name));
        if (text.isEmpty()) {
            QVERIFY(label->text().size() > 10);  // a notice of the program's own
        } else {
            QCOMPARE(label->text(), text);
        }
        QCOMPARE(label->font().pointSizeF(), points);
        QCOMPARE(label->font().bold(), bold);
        QCOMPARE(label->parentWidget(), Find<QWidget>("Frame1"));
        // each text fits its box, and the box the frame
        QVERIFY(Find<QWidget>("Frame1")->rect().contains(label->geometry()));
        if (label->wordWrap()) {
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
        } else {
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width());
        }
    }

    void isLaidOutInTwips() {
        Open(60000);
        QCOMPARE(window->size(), QSize(488, 283));
        QCOMPARE(Find<QWidget>("Frame1")->geometry(), QRect(8, 4, 472, 270));
        QCOMPARE(Find<QWidget>("imgLogo")->geometry(), QRect(40, 32, 55, 55));
        QCOMPARE(Find<QWidget>("lblProductName")->geometry(), QRect(152, 16, 298, 93));
        QCOMPARE(Find<QWidget>("Label1")->geometry(), QRect(160, 128, 289, 137));
        QCOMPARE(Find<QWidget>("lblMaker")->geometry(), QRect(8, 228, 161, 17));
        QCOMPARE(Find<QWidget>("lblRights")->geometry(), QRect(8, 242, 161, 17));
        QVERIFY(!Find<QLabel>("imgLogo")->pixmap().isNull());
        QVERIFY(Find<QLabel>("imgLogo")->hasScaledContents());
    }

    void theVersionIsSizedToItsTextAndRightAligned() {
        Open(60000);
        const QLabel* version = Find<QLabel>("lblVersion");
        QCOMPARE(version->y(), 80);
        QCOMPARE(version->size(), version->sizeHint());
        QVERIFY(version->alignment() & Qt::AlignRight);
        // it starts at its place, or ends under the product name's right edge when too wide
        QVERIFY(version->x() <= 397);
        QVERIFY(version->x() == 397 || version->geometry().right() + 1 == 450);
    }

    void hasNoTitleBarAndStaysOutOfTheTaskBar() {
        Open(60000);
        QCOMPARE(window->windowFlags() & Qt::WindowType_Mask, Qt::SplashScreen);
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const QRect screen = window->screen()->geometry();
        QCOMPARE(window->frameGeometry().center(), screen.center());
    }
};

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
