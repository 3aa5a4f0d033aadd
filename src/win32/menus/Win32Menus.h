#pragma once
// Menus through user32.
#include "platform/Menus.h"
#include "win32/base/Handles.h"

namespace hw {

class Win32Menus : public Menus {
public:
    // The window's system menu. Where the platform will not hand out another process's
    // system menu (Wine), the standard one for the window's style stands in for it.
    MenuHandle GetSystemMenu(WindowHandle window, bool revert) override;
    MenuHandle CreatePopupMenu() override;
    bool DestroyMenu(MenuHandle menu) override;
    bool InsertItem(MenuHandle menu, std::uint32_t position, std::uint32_t flags, std::uint64_t idOrSubmenu,
                    const Text& text) override;
    bool DeleteMenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags) override;
    int GetMenuItemCount(MenuHandle menu) override;
    std::uint32_t GetMenuItemID(MenuHandle menu, int position) override;
    Text GetItemText(MenuHandle menu, int position, int maxCount) override;
    std::uint32_t GetMenuState(MenuHandle menu, int position) override;
    MenuHandle GetSubMenu(MenuHandle menu, int position) override;

private:
    UniqueMenu standIn_;
};

}  // namespace hw
