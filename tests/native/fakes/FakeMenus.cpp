#include "fakes/FakeMenus.h"

#include <algorithm>
#include <utility>

namespace hw::test {

MenuHandle FakeMenus::NewMenu() {
    next_ = MenuHandle{next_.Value() + 0x10};
    menus_[next_];
    return next_;
}

MenuHandle FakeMenus::AddSystemMenu(WindowHandle window) { return systemMenus_[window] = NewMenu(); }

void FakeMenus::Append(MenuHandle menu, const Text& text, std::uint32_t id, std::uint32_t state, MenuHandle submenu) {
    FakeMenuItem item{text, submenu ? kMenuNoId : id, state, submenu};
    if (text.empty() && !submenu) item.state |= kMfSeparator;
    menus_.at(menu).push_back(item);
}

const FakeMenuItem& FakeMenus::At(MenuHandle menu, std::int64_t position) const {
    static const FakeMenuItem none{{}, kMenuNoId, kMenuNoState, {}};
    auto it = menus_.find(menu);
    if (it == menus_.end() || position < 0 || static_cast<std::size_t>(position) >= it->second.size()) return none;
    return it->second[static_cast<std::size_t>(position)];
}

MenuHandle FakeMenus::GetSystemMenu(WindowHandle window, bool revert) {
    auto it = systemMenus_.find(window);
    return it == systemMenus_.end() || revert ? MenuHandle{} : it->second;
}

MenuHandle FakeMenus::CreatePopupMenu() {
    MenuHandle m = NewMenu();
    created_.insert(m);
    return m;
}

bool FakeMenus::DestroyMenu(MenuHandle menu) {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return false;
    std::vector<FakeMenuItem> items = std::move(it->second);
    menus_.erase(it);
    created_.erase(menu);
    for (const FakeMenuItem& item : items)
        if (item.submenu) DestroyMenu(item.submenu);
    return true;
}

bool FakeMenus::InsertItem(MenuHandle menu, std::uint32_t position, std::uint32_t flags, std::uint32_t id,
                           const Text& text) {
    return Insert(menu, position, flags, {text, id, flags & ~kMfByPosition, {}});
}

bool FakeMenus::InsertSubmenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags, MenuHandle submenu,
                              const Text& text) {
    if (!menus_.count(submenu) || submenu == menu) return false;
    return Insert(menu, position, flags, {text, kMenuNoId, 0, submenu});
}

bool FakeMenus::Insert(MenuHandle menu, std::uint32_t position, std::uint32_t flags, const FakeMenuItem& item) {
    auto it = menus_.find(menu);
    if (it == menus_.end() || !(flags & kMfByPosition)) return false;
    std::vector<FakeMenuItem>& items = it->second;
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(position, items.size())), item);
    return true;
}

bool FakeMenus::RemoveMenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags) {
    if (!(flags & kMfByPosition) || std::int64_t{position} >= GetMenuItemCount(menu)) return false;
    std::vector<FakeMenuItem>& items = menus_.at(menu);
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(position));
    return true;
}

bool FakeMenus::DeleteMenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags) {
    MenuHandle submenu = At(menu, position).submenu;
    if (!RemoveMenu(menu, position, flags)) return false;
    if (submenu) DestroyMenu(submenu);
    return true;
}

int FakeMenus::GetMenuItemCount(MenuHandle menu) {
    auto it = menus_.find(menu);
    return it == menus_.end() ? -1 : static_cast<int>(it->second.size());
}

Text FakeMenus::GetItemText(MenuHandle menu, int position, int maxCount) {
    return maxCount > 0 ? At(menu, position).text.substr(0, static_cast<std::size_t>(maxCount - 1)) : Text();
}

}  // namespace hw::test
