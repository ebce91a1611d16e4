#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <string>

#include "canvas.h"

namespace kurvex {

// The picture's canvas on a QImage that its owner keeps (RGB32, white when new). Lines are one
// pixel wide with both end points drawn, texts are not smoothed, so every drawn pixel has
// exactly the pen or font colour, or the white of a text's box.
class QImageCanvas : public Canvas {
public:
    explicit QImageCanvas(QImage& image);

    void SetPenColor(Rgb color) override;
    void SetPenStyle(PenStyle style) override;
    void SetPenWidth(int width) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void SetFontColor(Rgb color) override;
    void SetFontSize(int points) override;
    void TextOut(int x, int y, const std::string& text) override;

    // The face texts are written in, at the pixel size that stands for the given points.
    static QFont FontForPoints(int points);

private:
    QImage& image_;
    QColor penColor_{Qt::black};
    int penWidth_ = 1;
    QPoint position_;
    QColor fontColor_{Qt::black};
    int fontPoints_ = 10;
};

}  // namespace kurvex
