#pragma once
// The entry editor "New" / "Edit": one application entry, whole, with the rules of its icon
// check box, icon field, Browse..., dropped files, Ok and Cancel. The dialog binds its other
// fields to the entry directly.
#include <optional>
#include <vector>

#include "common/HelpContext.h"
#include "platform/Types.h"
#include "settings/Settings.h"
#include "ui/IconTools.h"
#include "ui/OkReply.h"
#include "ui/TitleVerdict.h"

namespace hw {

enum class EditorMode { New, Edit };

struct EntryEditorArgs {
    EditorMode mode = EditorMode::New;
    Entry entry;
    std::vector<Entry> above;  // the entries before this one, which take a window first
};

struct EntryEditorResult {
    bool ok = false;  // only then is the entry meant to be stored
    Entry entry;
};

inline const Text kNeedTitleMessage = u"You must enter a Title for Hidewell to work";
// Follows a warning on the title when Ok asks whether to keep it.
inline const Text kKeepTitleQuestion = u"Keep this title?";

// Where a key press puts the focus.
enum class EditorFocus { None, Title, Icon };

// The files that may be dropped as icon sources: names holding ".ico", ".exe" or ".dll".
bool IsIconSourceName(const Text& fileName);

class EntryEditorModel {
public:
    // Takes the entry to edit and sets the fields as the dialog shows them.
    void Open(const EntryEditorArgs& args);

    Text Caption() const { return mode_ == EditorMode::New ? u"New" : u"Edit"; }
    HelpContext Help() const { return mode_ == EditorMode::New ? HelpContext::NewEntry : HelpContext::EditEntry; }

    // The entry as edited so far.
    Entry& Edited() { return entry_; }
    const Entry& Edited() const { return entry_; }
    const Text& Title() const { return entry_.titlePattern; }
    void SetTitle(const Text& title) { entry_.titlePattern = title; }

    // "Show Icon in Tray": the icon field and Browse... are enabled exactly while it is checked.
    bool ShowIcon() const { return showIcon_; }
    void SetShowIcon(bool on) { showIcon_ = on; }

    // The icon field shows the reference's path. On Enter and when the field loses the focus,
    // a path the user changed makes the reference icon 0 of the typed file; the path as it
    // was keeps the icon chosen before.
    const Text& IconText() const { return iconText_; }
    // What an empty icon field stands for while the box is ticked.
    static const Text& EmptyIconText() { return kWindowIconText; }
    void SetIconText(const Text& text);
    void OnIconEnter() { RebuildReference(); }
    void OnIconLeave() { RebuildReference(); }
    const Text& IconReference() const { return entry_.iconReference; }

    // The reference the preview shows; empty clears it.
    const Text& Preview() const { return preview_; }

    // Browse...: the reference the icon picker starts at (the default one when there is
    // none yet), then what the picker gave (nothing when cancelled).
    Text BeginBrowse(const Text& winDir);
    // Whether that was the default reference because the entry had none.
    bool BrowsingFromDefault() const { return defaultPutIn_; }
    void EndBrowse(const std::optional<Text>& chosen);

    // A file dropped onto the dialog; false when it is no icon source and was ignored.
    bool OnDrop(const Text& fileName);

    // Alt+T and Alt+A reach the fields whose frames carry those mnemonics.
    static EditorFocus FocusForKey(int virtualKey, bool altAlone);

    // Ok, given the verdict on the title as it is now: an empty message means the dialog
    // closes. Otherwise the dialog shows the message and stays open with the focus in the
    // title; a question asks whether to keep the title, No by default, and Yes closes the
    // dialog through KeepTitle.
    using OkReply = hw::OkReply;
    OkReply OnOk(const TitleVerdict& verdict);
    void KeepTitle() { Finish(true); }
    void OnCancel() { Finish(false); }

    bool Finished() const { return finished_; }
    const EntryEditorResult& Result() const { return result_; }

private:
    void RebuildReference();
    void Finish(bool ok);

    EditorMode mode_ = EditorMode::New;
    Entry entry_;
    bool showIcon_ = true;
    Text iconText_;
    Text preview_;
    bool defaultPutIn_ = false;
    Text last_;  // the reference before Browse... put in the default one
    bool finished_ = false;
    EntryEditorResult result_;
};

}  // namespace hw
