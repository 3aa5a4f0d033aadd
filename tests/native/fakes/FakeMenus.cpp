#include "fakes/FakeMenus.h"

#include <utility>

namespace hw::test {

MenuHandle FakeMenus::NewMenu() {
    next_ += 0x10;
    menus_[next_];
    return next_;
}

MenuHandle FakeMenus::AddSystemMenu(WindowHandle window) {
    MenuHandle m = NewMenu();
    systemMenus_[window] = m;
    return m;
}

void FakeMenus::Append(MenuHandle menu, const Text& text, std::uint32_t id, std::uint32_t state, MenuHandle submenu) {
    FakeMenuItem item{text, submenu ? kMenuNoId : id, state, submenu};
    if (text.empty() && !submenu) item.state |= kMfSeparator;
    menus_.at(menu).push_back(item);
}

const FakeMenuItem* FakeMenus::At(MenuHandle menu, int position) const {
    auto it = menus_.find(menu);
    if (it == menus_.end() || position < 0 || static_cast<std::size_t>(position) >= it->second.size()) return nullptr;
    return &it->second[static_cast<std::size_t>(position)];
}

bool FakeMenus::Find(MenuHandle menu, std::uint32_t position, std::uint32_t flags, MenuHandle& owner,
                     std::size_t& index) {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return false;
    std::vector<FakeMenuItem>& items = it->second;
    if (flags & kMfByPosition) {
        if (position >= items.size()) return false;
        owner = menu;
        index = position;
        return true;
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].submenu && items[i].id == position) {
            owner = menu;
            index = i;
            return true;
        }
        if (items[i].submenu && Find(items[i].submenu, position, flags, owner, index)) return true;
    }
    return false;
}

MenuHandle FakeMenus::GetSystemMenu(WindowHandle window, bool revert) {
    auto it = systemMenus_.find(window);
    return it == systemMenus_.end() || revert ? 0 : it->second;
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

bool FakeMenus::InsertItem(MenuHandle menu, std::uint32_t position, std::uint32_t flags, std::uint64_t idOrSubmenu,
                           const Text& text) {
    auto it = menus_.find(menu);
    if (it == menus_.end()) return false;
    FakeMenuItem item;
    item.state = flags & ~(kMfByPosition | kMfPopup);
    if (flags & kMfPopup) {
        if (!Exists(idOrSubmenu) || idOrSubmenu == menu) return false;
        item.submenu = idOrSubmenu;
        item.id = kMenuNoId;
    } else {
        item.id = static_cast<std::uint32_t>(idOrSubmenu);
    }
    if (!(flags & kMfSeparator)) item.text = text;

    MenuHandle owner = menu;
    std::size_t index = it->second.size();
    if (!Find(menu, position, flags, owner, index) && !(flags & kMfByPosition)) return false;
    std::vector<FakeMenuItem>& items = menus_.at(owner);
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(index), item);
    return true;
}

bool FakeMenus::RemoveMenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags) {
    MenuHandle owner = 0;
    std::size_t index = 0;
    if (!Find(menu, position, flags, owner, index)) return false;
    std::vector<FakeMenuItem>& items = menus_.at(owner);
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool FakeMenus::DeleteMenu(MenuHandle menu, std::uint32_t position, std::uint32_t flags) {
    MenuHandle owner = 0;
    std::size_t index = 0;
    if (!Find(menu, position, flags, owner, index)) return false;
    MenuHandle submenu = menus_.at(owner)[index].submenu;
    RemoveMenu(owner, static_cast<std::uint32_t>(index), kMfByPosition);
    if (submenu) DestroyMenu(submenu);
    return true;
}

int FakeMenus::GetMenuItemCount(MenuHandle menu) {
    auto it = menus_.find(menu);
    return it == menus_.end() ? -1 : static_cast<int>(it->second.size());
}

std::uint32_t FakeMenus::GetMenuItemID(MenuHandle menu, int position) {
    const FakeMenuItem* item = At(menu, position);
    return item ? item->id : kMenuNoId;
}

Text FakeMenus::GetItemText(MenuHandle menu, int position, int maxCount) {
    const FakeMenuItem* item = At(menu, position);
    if (!item || maxCount <= 0) return {};
    return item->text.substr(0, static_cast<std::size_t>(maxCount - 1));
}

std::uint32_t FakeMenus::GetMenuState(MenuHandle menu, int position) {
    const FakeMenuItem* item = At(menu, position);
    if (!item) return kMenuNoState;
    if (!item->submenu) return item->state;
    std::uint32_t count = static_cast<std::uint32_t>(menus_.at(item->submenu).size());
    return (count << 8) | (item->state & 0xFF) | kMfPopup;
}

MenuHandle FakeMenus::GetSubMenu(MenuHandle menu, int position) {
    const FakeMenuItem* item = At(menu, position);
    return item ? item->submenu : 0;
}

}  // namespace hw::test
