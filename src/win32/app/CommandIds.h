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
    kIdSlaveImage,
    // The configuration window's menu bar.
    kCmdSave = 20,
    kCmdUndo,
    kCmdRefreshAll,
    kCmdOptions,
    kCmdFileExit,
    kCmdHelpTopic,
    kCmdHelpAbout,
    kCmdOpenLogFolder,
    // Hidewell's own tray menu and the popup of a hidden window.
    kCmdConfigure = 30,
    kCmdTaskList,
    kCmdSuspend,
    kCmdRefresh,
    kCmdAbout,
    kCmdHelp,
    kCmdExit,
    kCmdAppTitle,
    kCmdSystemMenu,
    kCmdConfig,
    kCmdTask,
    kCmdMoreWindows,             // the own menu's last item past its limit: the task list
    kCmdFirstHiddenWindow = 50,  // one per hidden window, up to kFirstMirrorId
};
static_assert(kCmdMoreWindows < kCmdFirstHiddenWindow, "the menus' commands stay below the hidden windows' items");

}  // namespace hw
