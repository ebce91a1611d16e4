#include "cumulator.h"

#include <QEventLoop>

#include "cumulator_win.h"
#include "frame_window.h"
#include "icon_420.h"
#include "menu_452.h"

namespace lottavo {

namespace {

const QRect kCumulatorPlace(50, 50, 640, 100);

}  // namespace

CumulatorC::CumulatorC(const char* name, const char* text, const AppServicesC& services)
    : RandomizeC(services.engine), name_(name), text_(text), services_(services) {}

CumulatorC::~CumulatorC() = default;

int32_t CumulatorC::run() {
    initMainWindow();
    if (!frame_) return -1;
    QEventLoop loop;
    QObject::connect(frame_.get(), &FrameWindowC::closed, &loop, &QEventLoop::quit);
    showInMode(*frame_, mainWindowShowMode(services_.startMode));
    loop.exec();
    return 0;
}

// An editor filling the frame, which keeps the size given here and stays above other windows.
void CumulatorC::initMainWindow() {
    editor_ = new CumulatorWinC(nullptr, text_, name_.c_str(), services_);
    frame_ = std::make_unique<FrameWindowC>(QString::fromLatin1(name_.c_str()), editor_);
    buildMenu(frame_->menuBar(), menu452(), [editor = editor_](int id) { editor->command(id); });
    frame_->setWindowIcon(icon420());
    frame_->setWindowFlag(Qt::WindowStaysOnTopHint);
    frame_->move(kCumulatorPlace.topLeft());
    frame_->resize(kCumulatorPlace.size());
}

}  // namespace lottavo
