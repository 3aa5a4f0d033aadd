#pragma once
// A live copy of a hidden window's system menu inside the popup menu of its tray icon.
//
// Each build replaces the previous copy. Copied items take identifiers from 100 upward in
// the order they are met, submenus included; the message hook turns a chosen identifier
// back into the window's own system command with SysCommandFor.
#include <cstdint>
#include <vector>

#include "platform/Desktop.h"
#include "platform/Menus.h"

namespace hw {

// First identifier of a mirrored item; Hidewell's own menu identifiers stay below it.
constexpr int kFirstMirrorId = 100;
// Where the mirrored items start in the destination menu (after the title and a separator).
constexpr std::uint32_t kMirrorPosition = 2;

class SysMenuMirror {
public:
    SysMenuMirror(Menus& menus, Desktop& desktop) : menus_(menus), desktop_(desktop) {}
    ~SysMenuMirror() { Clear(); }
    SysMenuMirror(const SysMenuMirror&) = delete;
    SysMenuMirror& operator=(const SysMenuMirror&) = delete;

    // Removes the last copy and mirrors the window's current system menu
    // into destination from kMirrorPosition on.
    void Build(MenuHandle destination, WindowHandle window);

    // Removes the mirrored items and destroys the copied submenus. Call it before the
    // destination menu is destroyed.
    void Clear();

    // The window's own command behind a mirrored identifier; false for identifiers outside
    // the last mirror and for separators (submenu items carry no identifier).
    bool SysCommandFor(int id, std::uint32_t& cmd) const;

    // Element k is the own command of the item with identifier 100 + k, 0 for a separator.
    const std::vector<std::uint32_t>& CommandMap() const { return sysCmdMap_; }
    // Items met by the last build, every item of every level counted once.
    int ItemCount() const { return itemCount_; }

private:
    // Copies source's items, submenus recursively, into destination from
    // position on. initParam goes with WM_INITMENUPOPUP.
    void CopyMenu(std::uint32_t position, MenuHandle destination, MenuHandle source, std::int64_t initParam);
    std::uint32_t StateFlags(std::uint32_t command, std::uint32_t state) const;
    bool IsMirrored(std::uint32_t position);

    Menus& menus_;
    Desktop& desktop_;
    MenuHandle destination_;
    std::vector<MenuHandle> popups_;  // copied submenus inserted directly into destination_
    WindowHandle window_;
    std::vector<std::uint32_t> sysCmdMap_;
    int itemCount_ = 0;
    bool hasMaximizeBox_ = false;
    bool responsive_ = false;  // the window answered the messages sent in this build
};

}  // namespace hw
