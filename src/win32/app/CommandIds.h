#pragma once
// Control and command identifiers of Hidewell's own windows. They stay below 100: command
// identifiers from 100 up belong to a hidden window's mirrored system menu.
namespace hw {

enum CommandId : int {
    kIdList = 10,
    kIdUp,
    kIdDown,
    kIdNew,
    kIdEdit,
    kIdRemove,
    kIdOkButton,
    kIdFrame,
    kIdIconFrame,
    kIdIconPreview,  // the selected entry's icon
    // The configuration window's menu bar.
    kCmdBarSave = 20,
    kCmdBarUndo,
    kCmdBarRefresh,
    kCmdBarOptions,
    kCmdBarExit,
    kCmdBarHelp,
    kCmdBarAbout,
    kCmdBarLogFolder,
    // Hidewell's own tray menu.
    kCmdTrayConfigure = 30,
    kCmdTrayTaskList,
    kCmdTraySuspend,
    kCmdTrayRefresh,
    kCmdTrayAbout,
    kCmdTrayHelp,
    kCmdTrayExit,
    // The popup of a hidden window's icon.
    kCmdPopupTitle,
    kCmdPopupSystemMenu,
    kCmdPopupConfigure,
    kCmdPopupTaskList,
    kCmdTrayMoreWindows,         // the own menu's last item past its limit: the task list
    kCmdFirstHiddenWindow = 50,  // the own menu's items, one per hidden window, up to kFirstMirrorId
};
static_assert(kCmdTrayMoreWindows < kCmdFirstHiddenWindow, "the menus' commands stay below the hidden windows' items");

}  // namespace hw
