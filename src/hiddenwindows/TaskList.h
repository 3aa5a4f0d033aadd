#pragma once
// The model of the task list window: one row per hidden window (its current title), the
// row's window, the selected row, and the two actions.
#include <vector>

#include "platform/Desktop.h"

namespace hw {

class TaskList {
public:
    explicit TaskList(Desktop& desktop) : desktop_(desktop) {}

    // Rebuilds rows and handles from the hidden windows, in slot order; no selection.
    void Load(const std::vector<WindowHandle>& hidden);

    // The once-a-second refresh. Rebuilds (answering true) when the number of hidden windows
    // differs from the number of rows; otherwise updates handles and titles in place and keeps
    // the selection, unless the selected row now stands for another window.
    bool Refresh(const std::vector<WindowHandle>& hidden);

    const std::vector<Text>& Rows() const { return rows_; }
    const std::vector<WindowHandle>& TaskHandles() const { return handles_; }

    // The selected row, -1 for none; selecting a row that does not exist selects none.
    int Selection() const { return selection_; }
    void Select(int row);

    // Switch To: restores the selected row's window.
    void SwitchTo();
    // End Task: shows the selected row's window and asks it to close.
    void EndTask();

private:
    Text Title(WindowHandle h);

    Desktop& desktop_;
    std::vector<Text> rows_;
    std::vector<WindowHandle> handles_;
    int selection_ = -1;
};

}  // namespace hw
