#pragma once
// Why Hidewell is asked to end.
namespace hw {

enum class QuitReason {
    User,         // the close box or system menu of the configuration window
    Program,      // Exit chosen in one of Hidewell's menus
    SessionEnd,   // Windows is ending the session: hidden windows stay as they are
    TaskManager,  // ended from outside without a session end
};

}  // namespace hw
