#pragma once

#include <QDialog>

namespace quorvel {

// The drill's windows: centred on the screen when they show, reporting when they unload.
// Esc closes only a window that has a cancel button.
class DrillDialog : public QDialog {
    Q_OBJECT

public:
    explicit DrillDialog(QWidget* parent = nullptr, bool hasCancelButton = false);

signals:
    // The window has accepted its closing; it is hidden and deleted next.
    void unloaded();

protected:
    // Whether the window may close now; a refusal keeps it open.
    virtual bool MayUnload() const { return true; }

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool hasCancelButton_;
    bool centred_ = false;
};

}  // namespace quorvel
