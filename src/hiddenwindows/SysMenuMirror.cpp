#include "hiddenwindows/SysMenuMirror.h"

#include <algorithm>

namespace hw {

namespace {

// Bounds a build; also stops a menu that contains itself.
constexpr int kMaxMirrorItems = 1000;
// Buffer of a menu item's text, terminator included.
constexpr int kItemTextMax = 255;
// WM_INITMENUPOPUP's lParam for a window's system menu (high word TRUE).
constexpr std::int64_t kSystemMenuParam = 0x10000;

// The system commands whose state the mirror decides itself (the SC_* values).
enum : std::uint32_t { kScSize = 0xF000, kScMove = 0xF010, kScMinimize = 0xF020, kScMaximize = 0xF030 };
constexpr std::uint32_t kWsMaximizeBox = 0x00010000;

}  // namespace

void SysMenuMirror::Build(MenuHandle destination, WindowHandle window) {
    Clear();
    destination_ = destination;
    window_ = window;
    MenuHandle source = menus_.GetSystemMenu(window, false);
    if (!source) return;
    hasMaximizeBox_ = (desktop_.GetStyle(window) & kWsMaximizeBox) != 0;
    // The window brings its menu states up to date; once it fails to answer it is not asked again.
    responsive_ = desktop_.SendTimeout(window, kWmInitMenu, source.Value(), 0);
    int count = std::max(menus_.GetMenuItemCount(destination), 0);
    CopyMenu(std::min(kMirrorPosition, static_cast<std::uint32_t>(count)), destination, source, kSystemMenuParam);
}

void SysMenuMirror::CopyMenu(std::uint32_t position, MenuHandle destination, MenuHandle source,
                             std::int64_t initParam) {
    if (responsive_) responsive_ = desktop_.SendTimeout(window_, kWmInitMenuPopup, source.Value(), initParam);
    int n = menus_.GetMenuItemCount(source);
    std::uint32_t at = position;
    for (int i = 0; i < n && itemCount_ < kMaxMirrorItems; ++i) {
        ++itemCount_;
        Text text = menus_.GetItemText(source, i, kItemTextMax);
        if (MenuHandle submenu = menus_.GetSubMenu(source, i)) {
            MenuHandle copy = menus_.CreatePopupMenu();
            if (!copy) continue;
            if (!menus_.InsertSubmenu(destination, at, kMfByPosition, copy, text)) {
                menus_.DestroyMenu(copy);
                continue;
            }
            if (destination == destination_) popups_.push_back(copy);
            ++at;
            CopyMenu(0, copy, submenu, i);
            continue;
        }
        std::uint32_t id = kFirstMirrorId + static_cast<std::uint32_t>(sysCmdMap_.size());
        bool separator = text.empty();
        bool inserted = separator
            ? menus_.InsertItem(destination, at, kMfByPosition | kMfSeparator, id, {})
            : menus_.InsertItem(destination, at,
                                kMfByPosition | StateFlags(menus_.GetMenuItemID(source, i), menus_.GetMenuState(source, i)),
                                id, text);
        if (!inserted) continue;
        sysCmdMap_.push_back(separator ? 0 : menus_.GetMenuItemID(source, i));
        ++at;
    }
}

std::uint32_t SysMenuMirror::StateFlags(std::uint32_t command, std::uint32_t state) const {
    // The hidden window is minimised: it can be restored (and maximised if it has the box),
    // while moving, sizing and minimising mean nothing. Decided by command, so that the
    // menus of every language are mirrored alike.
    switch (command & 0xFFF0) {
    case kScRestore: return 0;
    case kScSize:
    case kScMove:
    case kScMinimize: return kMfGrayed;
    case kScMaximize: return hasMaximizeBox_ ? 0u : std::uint32_t{kMfGrayed};
    default: return state & (kMfChecked | kMfGrayed);
    }
}

bool SysMenuMirror::IsMirrored(std::uint32_t position) {
    int at = static_cast<int>(position);
    if (MenuHandle submenu = menus_.GetSubMenu(destination_, at))
        return std::find(popups_.begin(), popups_.end(), submenu) != popups_.end();
    std::uint32_t id = menus_.GetMenuItemID(destination_, at);
    return id >= static_cast<std::uint32_t>(kFirstMirrorId) && id - kFirstMirrorId < sysCmdMap_.size();
}

void SysMenuMirror::Clear() {
    // DeleteMenu destroys the copied submenus with their items. A destination that no longer
    // exists took them along when it was destroyed.
    int count = menus_.GetMenuItemCount(destination_);
    for (std::uint32_t pos = 0; static_cast<int>(pos) < count;) {
        if (IsMirrored(pos) && menus_.DeleteMenu(destination_, pos, kMfByPosition))
            --count;
        else
            ++pos;
    }
    popups_.clear();
    sysCmdMap_.clear();
    itemCount_ = 0;
    destination_ = {};
    window_ = {};
}

bool SysMenuMirror::SysCommandFor(int id, std::uint32_t& cmd) const {
    if (id < kFirstMirrorId || static_cast<std::size_t>(id - kFirstMirrorId) >= sysCmdMap_.size()) return false;
    cmd = sysCmdMap_[static_cast<std::size_t>(id - kFirstMirrorId)];
    return cmd != 0 && cmd != kMenuNoId;
}

}  // namespace hw
