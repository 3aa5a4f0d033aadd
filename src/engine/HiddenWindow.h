#pragma once
// One hidden window: everything Hidewell keeps about it while it is off the taskbar.
#include <memory>

#include "engine/TrayIcon.h"
#include "ui/IconPicture.h"

namespace hw {

struct HiddenWindow {
    WindowHandle window = 0;
    // The caption it had when it was hidden (the own menu's item), and the caption the last
    // tick saw (the tip, and the inbox's second way to find it).
    Text caption;
    Text currentCaption;
    // Its tray icon with its receiver, and the picture the icon shows; no icon when its entry
    // has none.
    std::unique_ptr<TrayIcon> icon;
    IconPicture picture;
    // The entry's icon reference, for drawing the picture again at another size.
    Text iconReference;
    // Seen gone after the hide; until then the next tick checks it.
    bool hideConfirmed = false;
};

// What the menus and the task list show of a hidden window.
struct HiddenWindowView {
    int slot = 0;
    WindowHandle window = 0;
    Text caption;
};

}  // namespace hw
