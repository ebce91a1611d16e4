#pragma once

#include <QWidget>

namespace lottavo {

// How a program may be asked to show its main window when it starts.
enum class ShowModeE { Hidden, Normal, Minimized, MinimizedNoActivate, Maximized };

// The main windows open normal, never maximized; hidden and minimized without activation are
// kept.
ShowModeE mainWindowShowMode(ShowModeE started);

void showInMode(QWidget& window, ShowModeE mode);

}  // namespace lottavo
