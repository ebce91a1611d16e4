#include "show_mode.h"

namespace lottavo {

ShowModeE mainWindowShowMode(ShowModeE started) {
    if (started == ShowModeE::Hidden || started == ShowModeE::MinimizedNoActivate) return started;
    return ShowModeE::Normal;
}

void showInMode(QWidget& window, ShowModeE mode) {
    switch (mode) {
        case ShowModeE::Hidden:
            return;
        case ShowModeE::MinimizedNoActivate:
            window.setAttribute(Qt::WA_ShowWithoutActivating);
            window.showMinimized();
            return;
        case ShowModeE::Minimized:
            window.showMinimized();
            return;
        case ShowModeE::Maximized:
            window.showMaximized();
            return;
        case ShowModeE::Normal:
            window.showNormal();
            return;
    }
}

}  // namespace lottavo
