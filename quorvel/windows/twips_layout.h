#pragma once

#include <QRect>
#include <QSize>

class QWidget;

namespace quorvel {

// Turns the drill's layouts, written in twips, into pixels at a screen's logical resolution.
class TwipsLayout {
public:
    TwipsLayout();  // the primary screen
    explicit TwipsLayout(qreal dotsPerInch) : dotsPerInch_(dotsPerInch) {}

    int Px(int twips) const;
    QSize Size(int width, int height) const;
    QRect Rect(int left, int top, int width, int height) const;

    // Places `widget` inside its parent.
    void Place(QWidget* widget, int left, int top, int width, int height) const;

    // Sets the inner size of a window; `fixed` also forbids resizing it.
    void SetClientSize(QWidget* window, int width, int height, bool fixed) const;

private:
    qreal dotsPerInch_;
};

// Moves a window so that its outer frame is centred on its screen.
void CentreOnScreen(QWidget* window);

}  // namespace quorvel
