#include "menu_452.h"

#include <QMenu>
#include <array>

namespace lottavo {

namespace {

const std::array<MenuItemC, 4> kItems452 = {{
    {kCmEditCopy, "&Copy Selection to Clipboard"},
    {kCmFileSaveAs, "&Save Cumulative List to Disc"},
    {0, nullptr},
    {kCmExit, "E&xit Lottavo"},
}};

const MenuC kMenu452 = {452, "Cumulative List &Menu", kItems452};

}  // namespace

const MenuC& menu452() {
    return kMenu452;
}

void buildMenu(QMenuBar* bar, const MenuC& menu, const std::function<void(int)>& onCommand) {
    QMenu* popup = bar->addMenu(QString::fromLatin1(menu.popup));
    for (const MenuItemC& item : menu.items) {
        if (item.command == 0) {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(QString::fromLatin1(item.text));
        action->setData(item.command);
        QObject::connect(action, &QAction::triggered, bar,
                         [onCommand, command = item.command] { onCommand(command); });
    }
}

}  // namespace lottavo
