#include "frame_window.h"

#include <QCloseEvent>
#include <QLayout>

namespace lottavo {

FrameWindowC::FrameWindowC(const QString& caption, QWidget* client) : QMainWindow(nullptr) {
    setWindowTitle(caption);
    setCentralWidget(client);
}

void FrameWindowC::shrinkToClient() {
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void FrameWindowC::closeEvent(QCloseEvent* event) {
    auto* client = dynamic_cast<FrameClientC*>(centralWidget());
    if (client != nullptr && !client->frameMayClose()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

}  // namespace lottavo
