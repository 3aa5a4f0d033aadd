#pragma once
// Hidewell's own windows and hidden controls, as the engine drives them.
#include "platform/Types.h"

namespace hw {

// The pictures Hidewell shows for itself.
enum class Picture { NotGot, Got, Program };

class Forms {
public:
    virtual ~Forms() = default;

    // The poll timer `Timer1`.
    virtual void EnableTimer1(bool enabled) = 0;
    virtual void SetTimer1Interval(int milliseconds) = 0;

    // Receiver windows of the tray icons: `PicHook0` for the own icon, element k of
    // `PicHook1` for slot k. UnloadReceiver answers false when the element did not exist.
    virtual WindowHandle OwnReceiver() = 0;
    virtual WindowHandle LoadReceiver(int slot) = 0;
    virtual bool UnloadReceiver(int slot) = 0;

    // Icon handle of one of Hidewell's pictures (owned by the forms) and the main window's icon.
    virtual IconHandle PictureIcon(Picture picture) = 0;
    virtual void SetMainIcon(Picture picture) = 0;

    // The configuration window.
    virtual void ShowConfiguration() = 0;
    // The list and its buttons after the entries changed (the activation refresh).
    virtual void EntriesChanged() = 0;

    // Popups and other windows.
    virtual void ShowOwnMenu() = 0;
    // The popup of a hidden window's icon (slot).
    virtual void ShowIconMenu(int slot) = 0;
    virtual void ShowTaskList() = 0;
};

}  // namespace hw
