#include "ui/EntryEditorModel.h"

#include "ui/IconTools.h"

namespace hw {

bool IsIconSourceName(const Text& fileName) {
    Text lower = fileName;
    for (char16_t& c : lower)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    for (const char16_t* ext : {u".ico", u".exe", u".dll"})
        if (lower.find(ext) != Text::npos) return true;
    return false;
}

void EntryEditorModel::Open(const EntryEditorArgs& args) {
    mode_ = args.mode;
    entry_ = args.entry;
    iconText_ = entry_.iconReference == kWindowIconReference ? Text() : ParseIconReference(entry_.iconReference).path;
    // A new entry starts with an icon; an edited one keeps having none if it had none.
    showIcon_ = mode_ == EditorMode::New || !entry_.iconReference.empty();
    preview_ = entry_.iconReference;
    defaultPutIn_ = false;
    finished_ = false;
    result_ = EntryEditorResult{};
}

void EntryEditorModel::SetIconText(const Text& text) {
    // Typing into an empty field takes the old icon off the preview.
    if (iconText_.empty()) preview_.clear();
    iconText_ = text;
}

void EntryEditorModel::RebuildReference() {
    if (iconText_.empty()) {
        entry_.iconReference = kWindowIconReference;
        preview_.clear();
        return;
    }
    // Passing through the field must not lose the icon index that Browse... chose.
    if (entry_.iconReference.empty() || entry_.iconReference == kWindowIconReference || iconText_ != ParseIconReference(entry_.iconReference).path)
        entry_.iconReference = FormatIconReference(0, iconText_);
    preview_ = entry_.iconReference;
}

Text EntryEditorModel::BeginBrowse(const Text& winDir) {
    defaultPutIn_ = entry_.iconReference.empty() || iconText_.empty();
    if (defaultPutIn_) last_ = entry_.iconReference;
    if (defaultPutIn_) entry_.iconReference = DefaultIconReference(winDir);
    return entry_.iconReference;
}

void EntryEditorModel::EndBrowse(const std::optional<Text>& chosen) {
    if (chosen) {
        entry_.iconReference = *chosen;
        iconText_ = ParseIconReference(entry_.iconReference).path;
        preview_ = entry_.iconReference;
    } else if (defaultPutIn_) {
        entry_.iconReference = last_;
    }
    defaultPutIn_ = false;
}

bool EntryEditorModel::OnDrop(const Text& fileName) {
    if (!IsIconSourceName(fileName)) return false;
    iconText_ = fileName;
    showIcon_ = true;
    OnIconLeave();
    return true;
}

EditorFocus EntryEditorModel::FocusForKey(int virtualKey, bool altAlone) {
    if (!altAlone) return EditorFocus::None;
    if (virtualKey == 'T') return EditorFocus::Title;
    if (virtualKey == 'A') return EditorFocus::Icon;
    return EditorFocus::None;
}

EntryEditorModel::OkReply EntryEditorModel::OnOk(const TitleVerdict& verdict) {
    // Ticked with no file chosen: the window's own icon; not ticked: no icon.
    if (!showIcon_) {
        iconText_.clear();
        entry_.iconReference.clear();
    } else if (iconText_.empty()) {
        entry_.iconReference = kWindowIconReference;
    }
    if (entry_.titlePattern.empty()) return {kNeedTitleMessage};
    if (!verdict.refusal.empty()) return {verdict.refusal};
    if (!verdict.warning.empty()) return {verdict.warning + u"\n\n" + kKeepTitleQuestion, true};
    Finish(true);
    return {};
}

void EntryEditorModel::Finish(bool ok) {
    if (finished_) return;
    finished_ = true;
    result_.ok = ok;
    if (ok) result_.entry = entry_;
}

}  // namespace hw
