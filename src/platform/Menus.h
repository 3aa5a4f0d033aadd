#pragma once
// Popup menus and windows' system menus, close to the user32 menu functions.
#include <cstdint>

#include "platform/Types.h"

namespace hw {

// Menu item flags and states (the platform's MF_* values).
enum MenuFlags : std::uint32_t {
    kMfGrayed = 0x1,
    kMfDisabled = 0x2,
    kMfChecked = 0x8,
    kMfByPosition = 0x400,
    kMfSeparator = 0x800,
};

// What GetMenuItemID answers for an item that opens a submenu, and GetMenuState for no item.
constexpr std::uint32_t kMenuNoId = 0xFFFFFFFF;
constexpr std::uint32_t kMenuNoState = 0xFFFFFFFF;

// InsertItem and GetItemText stand for InsertMenu and GetMenuString, whose names <windows.h>
// turns into macros.
class Menus {
public:
    virtual ~Menus() = default;

    // The window's system menu; revert restores the default one and answers 0.
    virtual MenuHandle GetSystemMenu(WindowHandle window, bool revert) = 0;
    virtual MenuHandle CreatePopupMenu() = 0;
    // Destroys the menu and the submenus its items open.
    virtual bool DestroyMenu(MenuHandle menu) = 0;

    // Inserts before the item at position (kMfByPosition; past the end appends) or before the
    // item with that command: an item with the command id, or one that opens submenu.
    virtual bool InsertItem(MenuHandle menu, std::uint32_t position, std::uint32_t flags, std::uint32_t id,
                            const Text& text) = 0;
    virtual bool InsertSubmenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags, MenuHandle submenu,
                               const Text& text) = 0;
    // Takes an item out and destroys its submenu, if any.
    virtual bool DeleteMenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags) = 0;

    // -1 when the menu does not exist.
    virtual int GetMenuItemCount(MenuHandle menu) = 0;
    // The item's command; kMenuNoId for a submenu item or no item.
    virtual std::uint32_t GetMenuItemID(MenuHandle menu, int position) = 0;
    // The item's text by position, at most maxCount - 1 characters.
    virtual Text GetItemText(MenuHandle menu, int position, int maxCount) = 0;
    // The item's MF_* state by position (a submenu's item count in bits 8 to 15); kMenuNoState for no item.
    virtual std::uint32_t GetMenuState(MenuHandle menu, int position) = 0;
    // The submenu the item at position opens, or 0.
    virtual MenuHandle GetSubMenu(MenuHandle menu, int position) = 0;
};

}  // namespace hw
