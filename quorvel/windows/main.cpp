#include <QApplication>

#include "app_info.h"
#include "desktop_launcher.h"
#include "logo.h"
#include "message_boxes.h"
#include "registry.h"
#include "system_clock.h"
#include "window_flow.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(quorvel::kAppTitle));
    QApplication::setApplicationVersion(QString::fromStdString(quorvel::VersionNumber()));
    QApplication::setWindowIcon(quorvel::ProgramIcon());
    // The installed desktop entry, by which desktops match the windows to their name and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
    // The drill decides when the program ends: between two windows none may be open.
    QApplication::setQuitOnLastWindowClosed(false);

    quorvel::SystemClock clock;
    quorvel::QtMessageBoxes boxes;
    quorvel::DesktopLauncher launcher;
    quorvel::NoRegistry registry;
    quorvel::WindowFlow flow({clock, boxes, launcher, registry}, [] { QCoreApplication::exit(0); });
    flow.Begin();
    return application.exec();
}
