#pragma once

#include <QDialog>
#include <QList>

#include "app_services.h"
#include "frame_window.h"
#include "randomize.h"

class QLineEdit;

namespace lottavo {

// The generator dialog, made from template 404: the seed box and the buttons Generate, Copy and
// Quit. The dialog is also the engine of the run: it holds the seed, the lists and the
// cumulative text, and every command works on it. It lives as the client of the generator's
// frame and closes, with the frame, only through Quit.
class LottavoDlgC : public QDialog, public FrameClientC, public virtual RandomizeC {
    Q_OBJECT
public:
    LottavoDlgC(QWidget* parent, const AppServicesC& services);
    ~LottavoDlgC() override;

    QSize sizeHint() const override { return size_; }
    // A close request of the frame takes the way of Quit; once Quit has closed the dialog, the
    // frame may close.
    bool frameMayClose() override;

public slots:
    void generate();
    void doCopyThisList();
    void quit();
    // The Escape key takes the way of Quit too, so that no list of the run is lost unseen.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private slots:
    void seedChanged(const QString& text);

private:
    void buildFromTemplate();
    void connectCommands();
    bool userConfirmsQuit();
    bool cumulatedListsShown();
    void closeAsOk();

    AppServicesC services_;
    QList<QWidget*> controls_;
    QWidget* client_ = nullptr;
    QLineEdit* InStr = nullptr;
    QSize size_;
    bool quitRunning_ = false;
    bool quitQueued_ = false;
    bool closed_ = false;
};

}  // namespace lottavo
