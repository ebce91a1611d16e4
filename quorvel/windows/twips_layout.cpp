#include "twips_layout.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "twips.h"

namespace quorvel {
namespace {

qreal PrimaryDotsPerInch() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

}  // namespace

TwipsLayout::TwipsLayout() : dotsPerInch_(PrimaryDotsPerInch()) {}

int TwipsLayout::Px(int twips) const {
    return TwipsToPixels(twips, dotsPerInch_);
}

QSize TwipsLayout::Size(int width, int height) const {
    return {Px(width), Px(height)};
}

QRect TwipsLayout::Rect(int left, int top, int width, int height) const {
    return {Px(left), Px(top), Px(width), Px(height)};
}

void TwipsLayout::Place(QWidget* widget, int left, int top, int width, int height) const {
    widget->setGeometry(Rect(left, top, width, height));
}

void TwipsLayout::SetClientSize(QWidget* window, int width, int height, bool fixed) const {
    if (fixed) {
        window->setFixedSize(Size(width, height));
    } else {
        window->resize(Size(width, height));
    }
}

void CentreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen) return;
    const QRect area = screen->geometry();
    const QSize outer = window->frameGeometry().size();
    window->move(area.left() + (area.width() - outer.width()) / 2,
                 area.top() + (area.height() - outer.height()) / 2);
}

}  // namespace quorvel
