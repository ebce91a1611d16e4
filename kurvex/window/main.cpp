#include <QApplication>
#include <exception>
#include <iostream>

#include "graph_form.h"

namespace {

// Whatever escapes a command's own error handling is reported on standard error, and the
// program goes on.
class KurvexApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& failure) {
            std::cerr << "Kurvex: " << failure.what() << std::endl;
        } catch (...) {
            std::cerr << "Kurvex: unknown failure" << std::endl;
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    KurvexApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kurvex"));
    // The installed desktop entry, by which desktops match the window to its name and icon.
    QApplication::setDesktopFileName(QStringLiteral("org.kurvex.Kurvex"));
    kurvex::TGraphForm form;
    form.showMaximized();
    return application.exec();
}
