#pragma once
// Menus through user32.
#include "platform/Menus.h"
#include "win32/base/Handles.h"

namespace hw {

class Win32Menus : public Menus {
public:
    // The window's system menu. Where the platform will not hand out another process's
    // system menu (Wine), the standard one for the window's style and state stands in for
    // it, with the system's own texts.
    MenuHandle GetSystemMenu(WindowHandle window, bool revert) override;
    MenuHandle CreatePopupMenu() override;
    bool DestroyMenu(MenuHandle menu) override;
    bool InsertItem(MenuHandle menu, std::uint32_t position, std::uint32_t flags, std::uint32_t id,
                    const Text& text) override;
    bool InsertSubmenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags, MenuHandle submenu,
                       const Text& text) override;
    bool DeleteMenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags) override;
    int GetMenuItemCount(MenuHandle menu) override;
    std::uint32_t GetMenuItemID(MenuHandle menu, int position) override;
    Text GetItemText(MenuHandle menu, int position, int maxCount) override;
    std::uint32_t GetMenuState(MenuHandle menu, int position) override;
    MenuHandle GetSubMenu(MenuHandle menu, int position) override;

private:
    // The system menu of an own hidden window, the source of the stand-in's texts.
    HMENU SystemTexts();

    UniqueMenu standIn_;
    UniqueWindow textSource_;
};

}  // namespace hw
