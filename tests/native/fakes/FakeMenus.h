#pragma once
// A simulated menu system: popup menus with items, and a system menu per window.
// Items are addressed by position only; requests by command fail.
#include <map>
#include <set>
#include <vector>

#include "platform/Menus.h"

namespace hw::test {

struct FakeMenuItem {
    Text text;
    std::uint32_t id = 0;
    std::uint32_t state = 0;  // MF_* state bits
    MenuHandle submenu;
};

class FakeMenus : public Menus {
public:
    // Gives the window an empty system menu (not counted as created) and returns it.
    MenuHandle AddSystemMenu(WindowHandle window);
    // Appends an item: a separator when text is empty, a submenu item when submenu is set.
    void Append(MenuHandle menu, const Text& text, std::uint32_t id, std::uint32_t state = 0,
                MenuHandle submenu = {});
    std::vector<FakeMenuItem>& Items(MenuHandle menu) { return menus_.at(menu); }
    // Menus made by CreatePopupMenu and not destroyed yet.
    std::size_t LiveCreated() const { return created_.size(); }

    MenuHandle GetSystemMenu(WindowHandle window, bool revert) override;
    MenuHandle CreatePopupMenu() override;
    bool DestroyMenu(MenuHandle menu) override;
    bool InsertItem(MenuHandle menu, std::uint32_t position, std::uint32_t flags, std::uint32_t id,
                    const Text& text) override;
    bool InsertSubmenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags, MenuHandle submenu,
                       const Text& text) override;
    bool DeleteMenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags) override;
    int GetMenuItemCount(MenuHandle menu) override;
    std::uint32_t GetMenuItemID(MenuHandle menu, int position) override { return At(menu, position).id; }
    Text GetItemText(MenuHandle menu, int position, int maxCount) override;
    std::uint32_t GetMenuState(MenuHandle menu, int position) override { return At(menu, position).state; }
    MenuHandle GetSubMenu(MenuHandle menu, int position) override { return At(menu, position).submenu; }

private:
    // Takes the item out, leaving its submenu alive.
    bool RemoveMenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags);
    bool Insert(MenuHandle menu, std::uint32_t position, std::uint32_t flags, const FakeMenuItem& item);
    MenuHandle NewMenu();
    // The item, or one with no id, no state and no submenu.
    const FakeMenuItem& At(MenuHandle menu, std::int64_t position) const;

    std::map<MenuHandle, std::vector<FakeMenuItem>> menus_;
    std::map<WindowHandle, MenuHandle> systemMenus_;
    std::set<MenuHandle> created_;
    MenuHandle next_{0x70000};
};

}  // namespace hw::test
