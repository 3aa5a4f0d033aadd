#include "ui/ConfigWindowModel.h"

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
    return row < rows_.size() && textWidth > room ? rows_[row].titlePattern : Text();
}

std::vector<Text> ConfigWindowModel::TitlesBefore(std::size_t row) const {
    std::vector<Text> titles;
    for (std::size_t i = 0; i < row && i < rows_.size(); ++i) titles.push_back(rows_[i].titlePattern);
    return titles;
}

EntryEditorArgs ConfigWindowModel::NewArgs() const {
    EntryEditorArgs args;
    args.titlesAbove = TitlesBefore(rows_.size());
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
    return EntryEditorArgs{EditorMode::Edit, rows_[selected_], TitlesBefore(selected_)};
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
