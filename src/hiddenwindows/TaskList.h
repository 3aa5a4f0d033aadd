#pragma once
// The model of the task list window: one row per window in the ledger (its current title),
// the window each row stands for, the selected row, and the two actions.
#include <vector>

#include "engine/HiddenWindowActions.h"
#include "platform/Desktop.h"

namespace hw {

class TaskList {
public:
    TaskList(HiddenWindowActions& ledger, Desktop& desktop) : ledger_(ledger), desktop_(desktop) {}

    // Rows from the ledger, in slot order; no selection.
    void Load();

    // The once-a-second refresh: the rows follow the ledger, and the selection stays on the
    // window it was on (none once that window has left), never on another one. True when the
    // rows were rebuilt (a window came or went); otherwise only titles changed.
    bool Refresh();

    const std::vector<Text>& Rows() const { return rows_; }
    // Switch To and End Task have something to act on.
    bool CanAct() const { return !rows_.empty(); }

    // The selected row, -1 for none; selecting a row that does not exist selects none.
    int Selection() const { return selection_; }
    void Select(int row);

    // Switch To restores the selected row's window; End Task asks it to close. Both act on the
    // window the row was built for, and do nothing once it has left the ledger.
    void SwitchTo();
    void EndTask();

private:
    HiddenWindowActions& ledger_;
    Desktop& desktop_;
    std::vector<Text> rows_;
    std::vector<WindowRef> refs_;
    int selection_ = -1;
};

}  // namespace hw
