#pragma once

#include <QMainWindow>
#include <QString>

namespace lottavo {

// A client that has a say when its frame is asked to close.
class FrameClientC {
public:
    virtual ~FrameClientC() = default;
    virtual bool frameMayClose() = 0;
};

// A top-level window around one client widget, with an optional menu. A close request is
// put to the client first; once closed, the frame says so.
class FrameWindowC : public QMainWindow {
    Q_OBJECT
public:
    FrameWindowC(const QString& caption, QWidget* client);

    // The frame takes the size of its client and keeps it.
    void shrinkToClient();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace lottavo
