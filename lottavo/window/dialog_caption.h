#pragma once

#include <QString>
#include <QWidget>

namespace lottavo {

// The caption bar of a dialog that lives inside another window: its title on the desktop
// style's title-bar ground, without buttons.
class DialogCaptionC : public QWidget {
    Q_OBJECT
public:
    DialogCaptionC(const QString& title, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace lottavo
