#include "ui/ConfigWindowModel.h"

#include <algorithm>
#include <utility>

namespace hw {

Text ConfigWindowModel::SelectedIconReference() const {
    return selected_ < rows_.size() ? rows_[selected_].iconReference : Text();
}

ListButtons ConfigWindowModel::Activate() {
    selected_ = rows_.empty() ? kNone : 0;
    return Buttons();
}

ListButtons ConfigWindowModel::Buttons() const {
    if (rows_.empty()) return ListButtons{};
    bool selected = selected_ < rows_.size();
    return ListButtons{true, true, true, selected && selected_ > 0, selected && selected_ + 1 < rows_.size()};
}

Text ConfigWindowModel::RowTip(std::size_t row, int textWidth, int room) const {
    return row < rows_.size() && textWidth > room ? RowText(rows_[row]) : Text();
}

std::vector<Entry> ConfigWindowModel::EntriesBefore(std::size_t row) const {
    return {rows_.begin(), rows_.begin() + static_cast<std::ptrdiff_t>(std::min(row, rows_.size()))};
}

Text ConfigWindowModel::RowText(const Entry& entry) {
    switch (entry.Kind()) {
    case MatchBy::Caption: return entry.titlePattern;
    case MatchBy::Program: return entry.titlePattern + u"  (program)";
    case MatchBy::Class: return entry.titlePattern + u"  (class)";
    case MatchBy::Unknown: break;
    }
    return entry.titlePattern + u"  (by \"" + entry.matchBy + u"\": unknown, matches nothing)";
}

EntryEditorArgs ConfigWindowModel::NewArgs() const {
    EntryEditorArgs args;
    args.above = EntriesBefore(rows_.size());
    return args;
}

bool ConfigWindowModel::AddEntry(const EntryEditorResult& result) {
    if (!result.ok) return false;
    rows_.push_back(result.entry);
    selected_ = rows_.size() - 1;
    return true;
}

std::optional<EntryEditorArgs> ConfigWindowModel::EditArgs() const {
    if (selected_ >= rows_.size()) return std::nullopt;
    return EntryEditorArgs{EditorMode::Edit, rows_[selected_], EntriesBefore(selected_)};
}

bool ConfigWindowModel::ApplyEdit(const EntryEditorResult& result) {
    if (!result.ok || selected_ >= rows_.size()) return false;
    rows_[selected_] = result.entry;
    return true;
}

bool ConfigWindowModel::Remove(bool confirmed) {
    if (!confirmed || selected_ >= rows_.size()) return false;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(selected_));
    if (selected_ >= rows_.size()) selected_ = rows_.empty() ? kNone : rows_.size() - 1;
    return true;
}

bool ConfigWindowModel::MoveUp() {
    if (selected_ >= rows_.size() || selected_ == 0) return false;
    std::swap(rows_[selected_ - 1], rows_[selected_]);
    --selected_;
    return true;
}

bool ConfigWindowModel::MoveDown() {
    if (selected_ >= rows_.size() || selected_ + 1 == rows_.size()) return false;
    std::swap(rows_[selected_], rows_[selected_ + 1]);
    ++selected_;
    return true;
}

bool AsksBeforeQuitting(QuitReason reason) {
    // Only the user is there to answer.
    return reason == QuitReason::User;
}

}  // namespace hw
