#pragma once

#include <QFrame>

class QGroupBox;
class QLabel;
class QTimer;

namespace quorvel {

// How long the farewell splash stands before the program ends.
inline constexpr int kSplashIntervalMs = 6000;

// The farewell splash: the product name, version, logo and a notice to the parents. Its timer
// runs from the moment it is created; when it fires the program is to end. It reacts to no key,
// no click and no request to close.
class frmSplash : public QFrame {
    Q_OBJECT

public:
    explicit frmSplash(int closeIntervalMs = kSplashIntervalMs);

signals:
    void timeUp();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CreateControls();
    void PlaceVersion();

    bool centred_ = false;

    QGroupBox* Frame1;
    QLabel* imgLogo;
    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* Label1;
    QLabel* lblMaker;
    QLabel* lblRights;
    QTimer* tmrClose;
};

}  // namespace quorvel
