#pragma once
// The configuration window's list of application entries as it is being edited: New, Edit,
// Remove and the arrows keep each title with its icon reference and keep the user's place in
// the list; the buttons are enabled where they make sense; Ok and quitting follow their rules.
#include <optional>
#include <utility>
#include <vector>

#include "common/QuitReason.h"
#include "platform/Types.h"
#include "settings/Settings.h"
#include "ui/EntryEditorModel.h"

namespace hw {

inline const Text kRemoveQuestion = u"Are you sure Remove this Item ?";
inline const Text kQuitQuestion = u"Are you sure wish to Quit?";

// Which of the list and its buttons are enabled.
struct ListButtons {
    bool list = false;
    bool edit = false;
    bool remove = false;
    bool up = false;
    bool down = false;
    bool operator==(const ListButtons&) const = default;
};

class ConfigWindowModel {
public:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    // Edits a copy of the entries; the window hands the rows to the engine after each change.
    explicit ConfigWindowModel(std::vector<Entry> entries) : rows_(std::move(entries)) {}
    const std::vector<Entry>& Rows() const { return rows_; }
    // The entries were replaced (start-up, Undo): no row is selected.
    void Reloaded(std::vector<Entry> entries) {
        rows_ = std::move(entries);
        selected_ = kNone;
    }

    std::size_t Selected() const { return selected_; }
    void Select(std::size_t row) { selected_ = row < rows_.size() ? row : kNone; }
    // The icon reference of the selected row, empty when none is selected.
    Text SelectedIconReference() const;

    // The activation refresh: selects the first row and enables what fits.
    ListButtons Activate();
    // What fits the rows and the selection: Edit and Remove with any row; the arrows only
    // where the selected row can move.
    ListButtons Buttons() const;

    // A row as the list shows it: the pattern, and what it matches when not the caption
    // ("notepad.exe  (program)").
    static Text RowText(const Entry& entry);

    // The full title of the row as its tool tip when its text (textWidth) is wider than the
    // room the list gives it; empty when it fits or there is no such row.
    Text RowTip(std::size_t row, int textWidth, int room) const;

    // New...: the editor's arguments (every entry is above a new one), then its result
    // (appended and selected when Ok).
    EntryEditorArgs NewArgs() const;
    bool AddEntry(const EntryEditorResult& result);
    // Edit...: nothing when no row is selected; the result replaces the row when Ok. The
    // editor learns the entries of the rows above.
    std::optional<EntryEditorArgs> EditArgs() const;
    bool ApplyEdit(const EntryEditorResult& result);

    // Remove asks first, unless there is nothing to remove; on Yes the selected row goes
    // with its icon reference and the row now at its place (or the last row) is selected.
    bool RemoveAsks() const { return !rows_.empty(); }
    bool Remove(bool confirmed);

    // The arrows swap the selected row with its neighbour and keep it selected.
    bool MoveUp();
    bool MoveDown();

    // Ok: an empty list is not saved (the user is told so); either way the window is put
    // away afterwards.
    bool OkSaves() const { return !rows_.empty(); }

private:
    std::vector<Entry> EntriesBefore(std::size_t row) const;

    std::vector<Entry> rows_;
    std::size_t selected_ = kNone;
};

// Whether quitting for the reason first asks kQuitQuestion (No keeps Hidewell running).
// The settings are saved before, whatever the answer.
bool AsksBeforeQuitting(QuitReason reason);

}  // namespace hw
