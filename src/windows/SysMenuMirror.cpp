#include "windows/SysMenuMirror.h"

#include <algorithm>

namespace hw {

namespace {

// Bounds a build; also stops a menu that contains itself.
constexpr int kMaxMirrorItems = 1000;
// Buffer of a menu item's text, terminator included.
constexpr int kItemTextMax = 255;
// WM_INITMENUPOPUP's lParam for a window's system menu (high word TRUE).
constexpr std::int64_t kSystemMenuParam = 0x10000;

struct StateWord {
    std::uint32_t bit;
    const char16_t* set;
    const char16_t* clear;
};

constexpr StateWord kStateWords[] = {
    {kMfChecked, u"Checked ", u"Unchecked "},
    {kMfDisabled, u"Disabled ", u"Enabled "},
    {kMfGrayed, u"Grayed ", nullptr},
    {kMfBitmap, u"Bitmap ", nullptr},
    {kMfMenuBarBreak, u"Bar-break ", nullptr},
    {kMfMenuBreak, u"Break ", nullptr},
    {kMfSeparator, u"Seperator ", nullptr},
};

struct StyleName {
    const char16_t* name;
    std::uint32_t bits;
};

constexpr StyleName kStyleNames[] = {
    {u"WS_BORDER", 0x00800000},      {u"WS_CAPTION", 0x00C00000},    {u"WS_CHILD", 0x40000000},
    {u"WS_CLIPCHILDREN", 0x02000000}, {u"WS_CLIPSIBLINGS", 0x04000000}, {u"WS_DISABLED", 0x08000000},
    {u"WS_DLGFRAME", 0x00400000},    {u"WS_GROUP", 0x00020000},      {u"WS_HSCROLL", 0x00100000},
    {u"WS_MAXIMIZE", 0x01000000},    {u"WS_MAXIMIZEBOX", 0x00010000}, {u"WS_MINIMIZE", 0x20000000},
    {u"WS_MINIMIZEBOX", 0x00020000}, {u"WS_POPUP", 0x80000000},      {u"WS_SYSMENU", 0x00080000},
    {u"WS_TABSTOP", 0x00010000},     {u"WS_THICKFRAME", 0x00040000}, {u"WS_VISIBLE", 0x10000000},
    {u"WS_VSCROLL", 0x00200000},
};

bool Contains(const Text& text, const char16_t* word) { return text.find(word) != Text::npos; }

}  // namespace

Text MenuStateText(std::uint32_t state) {
    Text words;
    for (const StateWord& w : kStateWords) {
        if (state & w.bit)
            words += w.set;
        else if (w.clear)
            words += w.clear;
    }
    return words;
}

Text WindowStyleText(std::uint32_t style) {
    Text names;
    for (const StyleName& s : kStyleNames) {
        if (style & s.bits) {
            names += s.name;
            names += u"\r\n";
        }
    }
    return names;
}

void SysMenuMirror::BuildSysMenu(MenuHandle destination, WindowHandle window) {
    Clear();
    destination_ = destination;
    window_ = window;
    MenuHandle source = menus_.GetSystemMenu(window, false);
    if (!source) return;
    hasMaximizeBox_ = Contains(WindowStyleText(desktop_.GetStyle(window)), u"WS_MAXIMIZEBOX");
    // The window brings its menu states up to date; once it fails to answer it is not asked again.
    responsive_ = desktop_.SendTimeout(window, kWmInitMenu, source, 0);
    int count = std::max(menus_.GetMenuItemCount(destination), 0);
    CopyMenu(std::min(kMirrorPosition, static_cast<std::uint32_t>(count)), destination, source, kSystemMenuParam);
}

void SysMenuMirror::CopyMenu(std::uint32_t position, MenuHandle destination, MenuHandle source,
                             std::int64_t initParam) {
    if (responsive_) responsive_ = desktop_.SendTimeout(window_, kWmInitMenuPopup, source, initParam);
    int n = menus_.GetMenuItemCount(source);
    std::uint32_t at = position;
    for (int i = 0; i < n && itemCount_ < kMaxMirrorItems; ++i) {
        ++itemCount_;
        Text text = menus_.GetItemText(source, i, kItemTextMax);
        if (MenuHandle submenu = menus_.GetSubMenu(source, i)) {
            MenuHandle copy = menus_.CreatePopupMenu();
            if (!copy) continue;
            if (!menus_.InsertItem(destination, at, kMfByPosition | kMfPopup, copy, text)) {
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
            : menus_.InsertItem(destination, at, kMfByPosition | StateFlags(text, menus_.GetMenuState(source, i)),
                                id, text);
        if (!inserted) continue;
        sysCmdMap_.push_back(separator ? 0 : menus_.GetMenuItemID(source, i));
        ++at;
    }
}

std::uint32_t SysMenuMirror::StateFlags(const Text& text, std::uint32_t state) const {
    // The hidden window is minimised: it can be restored (and maximised if it has the box),
    // while moving, sizing and minimising mean nothing.
    if (text == u"&Restore") return 0;
    if (text == u"&Size" || text == u"&Move" || text == u"Mi&nimize") return kMfGrayed;
    if (text == u"Ma&ximize") return hasMaximizeBox_ ? 0u : std::uint32_t{kMfGrayed};
    Text words = MenuStateText(state);
    std::uint32_t flags = Contains(words, u"Checked") ? std::uint32_t{kMfChecked} : 0u;
    if (Contains(words, u"Grayed")) flags |= kMfGrayed;
    return flags;
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
    destination_ = 0;
    window_ = 0;
}

bool SysMenuMirror::SysCommandFor(int id, std::uint32_t& cmd) const {
    if (id < kFirstMirrorId || static_cast<std::size_t>(id - kFirstMirrorId) >= sysCmdMap_.size()) return false;
    cmd = sysCmdMap_[static_cast<std::size_t>(id - kFirstMirrorId)];
    return cmd != 0 && cmd != kMenuNoId;
}

}  // namespace hw
