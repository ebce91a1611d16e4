#include <QtTest>

#include "icon_420.h"
#include "menu_452.h"
#include "resource_strings.h"
#include "test_suites.h"

using namespace lottavo;

class ResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void theEditorsStrings() {
        QCOMPARE(resourceString(32552), "Unable to write file %s to disk.");
        QCOMPARE(resourceString(32553),
                 "The text in the cumulated list has changed.\nDo you wish to save?");
        QCOMPARE(resourceString(32554), "Text files (*.txt)|*.txt|All Files (*.*)|*.*|");
        QVERIFY(resourceString(32555) == nullptr);
    }

    void fileFilters_data() {
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<QStringList>("filters");
        QTest::newRow("the window's") << QString::fromLatin1(resourceString(32554))
                                      << QStringList{"Text files (*.txt)", "All Files (*)"};
        QTest::newRow("pattern not in the description")
            << "Lists|*.lst|Every file|*.*|" << QStringList{"Lists (*.lst)", "Every file (*)"};
        QTest::newRow("unpaired rest ignored")
            << "Text (*.txt)|*.txt|Odd" << QStringList{"Text (*.txt)"};
        QTest::newRow("nothing") << "" << QStringList{};
    }
    void fileFilters() {
        QFETCH(QString, pairs);
        QFETCH(QStringList, filters);
        QCOMPARE(fileFiltersOf(pairs.toLatin1().constData()), filters);
    }

    void menu452SendsTheEditorsCommands() {
        QMenuBar bar;
        QList<int> sent;
        buildMenu(&bar, menu452(), [&sent](int command) { sent << command; });
        QCOMPARE(bar.actions().size(), 1);
        QMenu* popup = bar.actions()[0]->menu();
        QCOMPARE(popup->title(), QStringLiteral("Cumulative List &Menu"));
        for (QAction* item : popup->actions()) {
            if (!item->isSeparator()) item->trigger();
        }
        QCOMPARE(sent, (QList<int>{24323, 24334, 24310}));
        QVERIFY(popup->actions()[2]->isSeparator());
    }

    void icon420IsDrawnAt64Pixels() {
        const QImage image = icon420Image();
        QCOMPARE(image.size(), QSize(64, 64));
        QCOMPARE(image.pixelColor(32, 4), QColor(221, 221, 255));  // the ground
        QCOMPARE(image.pixelColor(0, 0).alpha(), 0);               // rounded corners
        QCOMPARE(image.pixelColor(44, 44), QColor(Qt::white));     // the die's middle pip
        QVERIFY(!icon420().isNull());
    }
};

int runResourcesTests(int argc, char** argv) {
    ResourcesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "resources_test.moc"
