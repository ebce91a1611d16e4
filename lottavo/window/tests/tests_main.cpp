#include <QApplication>

#include "test_suites.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    int failed = 0;
    for (auto* run :
         {runResourcesTests, runDialogLayoutTests, runQtServicesTests, runGeneratorDialogTests,
          runCumulatorTests, runAccessibilityTests, runAppShellTests, runProgramExitTests}) {
        failed += run(argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
