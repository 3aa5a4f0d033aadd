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
    title_ = args.entry.titlePattern;
    reference_ = args.entry.iconReference;
    hideOnAppear_ = args.entry.hideOnAppear;
    iconText_ = reference_ == kWindowIconReference ? Text() : ParseIconReference(reference_).path;
    // A new entry starts with an icon; an edited one keeps having none if it had none.
    showIcon_ = mode_ == EditorMode::New || !reference_.empty();
    preview_ = reference_;
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
        reference_ = kWindowIconReference;
        preview_.clear();
        return;
    }
    // Passing through the field must not lose the icon index that Browse... chose.
    if (reference_.empty() || reference_ == kWindowIconReference || iconText_ != ParseIconReference(reference_).path)
        reference_ = FormatIconReference(0, iconText_);
    preview_ = reference_;
}

Text EntryEditorModel::BeginBrowse(const Text& winDir) {
    defaultPutIn_ = reference_.empty() || iconText_.empty();
    if (defaultPutIn_) last_ = reference_;
    if (defaultPutIn_) reference_ = DefaultIconReference(winDir);
    return reference_;
}

void EntryEditorModel::EndBrowse(const std::optional<Text>& chosen) {
    if (chosen) {
        reference_ = *chosen;
        iconText_ = ParseIconReference(reference_).path;
        preview_ = reference_;
    } else if (defaultPutIn_) {
        reference_ = last_;
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
        reference_.clear();
    } else if (iconText_.empty()) {
        reference_ = kWindowIconReference;
    }
    if (title_.empty()) return {kNeedTitleMessage};
    if (!verdict.refusal.empty()) return {verdict.refusal};
    if (!verdict.warning.empty()) return {verdict.warning + u"\n\n" + kKeepTitleQuestion, true};
    Finish(true);
    return {};
}

void EntryEditorModel::Finish(bool ok) {
    if (finished_) return;
    finished_ = true;
    result_.ok = ok;
    if (ok) result_.entry = {title_, reference_, hideOnAppear_};
}

}  // namespace hw
