#pragma once
// The task list: one row per hidden window with Switch To, End Task, Cancel and Help. Not
// modal; it follows the hidden windows once a second and destroys itself on Cancel or
// its close box, telling its owner afterwards.
#include <functional>
#include <vector>

#include "platform/Desktop.h"
#include "win32/base/DialogLayout.h"
#include "win32/base/Window.h"
#include "hiddenwindows/TaskList.h"

namespace hw {

class TaskListWindow : public Window {
public:
    static constexpr const wchar_t* kClassName = L"HidewellTaskList";
    // Called once the window is gone after Cancel or the close box; it may delete this object.
    using ClosedHandler = std::function<void()>;

    TaskListWindow(HiddenWindowActions& ledger, Desktop& desktop, ClosedHandler closed);
    ~TaskListWindow() override;

    // Creates the window, centred on the screen, lists the hidden windows and shows it.
    bool Create();
    // Shows the window again (restored if minimised) in front.
    void BringToFront();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void Refresh();
    void ShowRows(bool rebuilt);
    void TakeSelection();
    // Switch To and End Task are enabled while there is a row to act on.
    void EnableActions();
    void Activate();
    void Close();

    TaskList model_;
    ClosedHandler closed_;
    std::vector<Text> shown_;  // the rows as the list box shows them
    bool activatePending_ = true;
    DialogLayout layout_;
    HWND list_ = nullptr;
};

}  // namespace hw
