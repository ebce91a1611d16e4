#include "lottavo_app.h"

#include <QApplication>

#include "frame_window.h"
#include "icon_420.h"
#include "lottavo_dlg.h"

namespace lottavo {

LottavoC::LottavoC(const char* name, const AppServicesC& services)
    : RandomizeC(services.engine), name_(name), services_(services) {}

LottavoC::~LottavoC() = default;

// Ending the program's loop ends every loop inside it as well, such as that of a list box
// still up when Quit closed the frame.
int32_t LottavoC::run() {
    initMainWindow();
    if (!frame_) return -1;
    QObject::connect(frame_.get(), &FrameWindowC::closed, [] { QCoreApplication::exit(0); });
    showInMode(*frame_, mainWindowShowMode(services_.startMode));
    return QApplication::exec();
}

void LottavoC::initMainWindow() {
    dialog_ = new LottavoDlgC(nullptr, services_);
    frame_ = std::make_unique<FrameWindowC>(QString::fromLatin1(name_.c_str()), dialog_);
    frame_->shrinkToClient();
    frame_->setWindowIcon(icon420());
    frame_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    QObject::connect(dialog_, &QDialog::finished, frame_.get(), &QWidget::close);
}

}  // namespace lottavo
