#include "hiddenwindows/TaskList.h"

#include <algorithm>

namespace hw {

namespace {

// Buffer of a window title, terminator included.
constexpr int kTitleMax = 255;

}  // namespace

void TaskList::Load() {
    Refresh();
    selection_ = -1;
}

bool TaskList::Refresh() {
    std::vector<WindowRef> live;
    for (const HiddenWindowView& w : ledger_.HiddenWindows()) live.push_back(w.ref);
    const bool rebuilt = live != refs_ || rows_.size() != live.size();
    if (selection_ >= 0) {
        const WindowRef selected = refs_[static_cast<std::size_t>(selection_)];
        auto at = std::find(live.begin(), live.end(), selected);
        selection_ = at == live.end() ? -1 : static_cast<int>(at - live.begin());
    }
    refs_ = std::move(live);
    rows_.resize(refs_.size());
    for (std::size_t k = 0; k < refs_.size(); ++k) rows_[k] = desktop_.GetText(refs_[k].window, kTitleMax);
    return rebuilt;
}

void TaskList::Select(int row) { selection_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1; }

void TaskList::SwitchTo() {
    if (selection_ >= 0) ledger_.Restore(refs_[static_cast<std::size_t>(selection_)]);
}

void TaskList::EndTask() {
    if (selection_ >= 0) ledger_.Close(refs_[static_cast<std::size_t>(selection_)]);
}

}  // namespace hw
