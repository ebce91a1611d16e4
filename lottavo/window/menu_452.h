#pragma once

#include <QMenuBar>
#include <functional>
#include <span>

namespace lottavo {

// The editor's own command numbers, which menu 452 sends.
inline constexpr int kCmEditCopy = 24323;
inline constexpr int kCmFileSaveAs = 24334;
inline constexpr int kCmExit = 24310;

struct MenuItemC {
    int command;  // 0: a separator
    const char* text;
};

struct MenuC {
    int id;
    const char* popup;
    std::span<const MenuItemC> items;
};

// Menu 452, the cumulative list window's one pop-up.
const MenuC& menu452();

// Puts the menu's pop-up into bar; each item sends its command number to onCommand.
void buildMenu(QMenuBar* bar, const MenuC& menu, const std::function<void(int)>& onCommand);

}  // namespace lottavo
