#pragma once

#include <QPushButton>

namespace quorvel {

// A push button whose caption breaks onto a second line when it is wider than the button, as
// "Enter Answer" must in the answer button's width.
class WrappingButton : public QPushButton {
    Q_OBJECT

public:
    explicit WrappingButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quorvel
