#pragma once

#include <QImage>
#include <QWidget>

namespace kurvex {

// Shows the picture from its top left corner, at its own size; takes no input.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(const QImage& picture, QWidget* parent = nullptr)
        : QWidget(parent), picture_(picture) {
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QImage& picture_;
};

}  // namespace kurvex
