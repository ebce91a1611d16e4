#pragma once

#include <string>

namespace kurvex {

struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 128, 0};
constexpr Rgb kWhite{255, 255, 255};

enum class PenStyle { Solid };

// The picture's drawing surface: a pen with a current position, and texts written by their
// top left corner over an opaque white box. Pixel (0, 0) is the top left, rows count down.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void SetPenColor(Rgb color) = 0;
    virtual void SetPenStyle(PenStyle style) = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;  // from the current position, which becomes (x, y)
    virtual void SetFontColor(Rgb color) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
};

}  // namespace kurvex
