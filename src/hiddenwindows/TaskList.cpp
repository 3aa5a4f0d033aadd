#include "hiddenwindows/TaskList.h"

namespace hw {

namespace {

// Buffer of a window title, terminator included.
constexpr int kTitleMax = 255;

}  // namespace

Text TaskList::Title(WindowHandle h) { return desktop_.GetText(h, kTitleMax); }

void TaskList::Load(const std::vector<WindowHandle>& hidden) {
    handles_ = hidden;
    rows_.clear();
    for (WindowHandle h : handles_) rows_.push_back(Title(h));
    selection_ = -1;
}

bool TaskList::Refresh(const std::vector<WindowHandle>& hidden) {
    const std::vector<WindowHandle>& live = hidden;
    if (live.size() != rows_.size()) {
        Load(hidden);
        return true;
    }
    // A selection must not silently move to another window that End Task would then close.
    if (selection_ >= 0 && live[static_cast<std::size_t>(selection_)] != handles_[static_cast<std::size_t>(selection_)])
        selection_ = -1;
    handles_ = live;
    for (std::size_t k = 0; k < handles_.size(); ++k) rows_[k] = Title(handles_[k]);
    return false;
}

void TaskList::Select(int row) { selection_ = row >= 0 && row < static_cast<int>(rows_.size()) ? row : -1; }

void TaskList::SwitchTo() {
    if (selection_ < 0) return;
    desktop_.ShowWindow(handles_[static_cast<std::size_t>(selection_)], kSwRestore);
}

void TaskList::EndTask() {
    if (selection_ < 0) return;
    WindowHandle h = handles_[static_cast<std::size_t>(selection_)];
    desktop_.ShowWindow(h, kSwShow);
    // A hung window cannot hold Hidewell up; the window decides itself whether it closes.
    desktop_.SendTimeout(h, kWmClose, static_cast<std::uint64_t>(-1), 0);
}

}  // namespace hw
