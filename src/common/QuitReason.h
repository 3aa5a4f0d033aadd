#pragma once
// Why Hidewell is asked to end.
namespace hw {

enum class QuitReason {
    User,         // the close box, the system menu or Exit in one of Hidewell's menus
    Program,      // another program asked (hidewellctl exit)
    SessionEnd,   // Windows is ending the session: hidden windows stay as they are
    // An installer or update closes Hidewell through the Restart Manager while the session
    // goes on: hidden windows come back, and nothing is asked
    RestartManager,
};

}  // namespace hw
