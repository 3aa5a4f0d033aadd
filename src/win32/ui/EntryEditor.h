#pragma once
// The entry editor "New" / "Edit": a modal dialog made once and hidden between uses.
#include <windows.h>
#include <shellapi.h>

#include <optional>

#include "engine/MatchPreview.h"
#include "platform/Desktop.h"
#include "platform/Icons.h"
#include "ui/EntryEditorModel.h"
#include "ui/IconPicture.h"
#include "win32/adapters/Win32CaseMapping.h"
#include "win32/base/DialogLayout.h"
#include "win32/base/Handles.h"
#include "win32/base/Window.h"

namespace hw {

class EntryEditor : public Window {
public:
    static constexpr const wchar_t* kClassName = L"HidewellEntryEditor";

    EntryEditor(Icons& icons, Desktop& desktop);
    ~EntryEditor() override;

    // Runs the dialog modally over owner and returns what the user decided.
    EntryEditorResult Run(HWND owner, const EntryEditorArgs& args);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateOnce();
    HWND Add(const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h);
    void ShowModel();
    void ShowIconControls();
    void ShowPreview();
    // Scans the open windows once and shows what the title does now.
    TitleVerdict ShowMatches();
    void OnCommand(int id, int code);
    // A change in a control bound to a field of the entry goes into it; false for the others.
    bool TakeBoundField(int id, int code);
    void OnOk();
    void OnBrowse();
    void OnDrop(HDROP drop);
    // Keys the dialog takes before its controls; true when the key was used.
    bool PreviewKey(const MSG& msg);

    Icons& icons_;
    Desktop& desktop_;
    Win32CaseMapping caseMapping_;
    EntryEditorModel model_;
    std::optional<MatchPreview> matches_;  // made for each use: the entries above differ
    IconPicture preview_;
    Text shownPreview_;
    DialogLayout layout_;
    HWND title_ = nullptr;
    HWND matchBy_ = nullptr;
    HWND matchLine_ = nullptr;
    HWND warningLine_ = nullptr;
    HWND showIcon_ = nullptr;
    HWND iconText_ = nullptr;
    HWND previewBox_ = nullptr;
    HWND iconControls_[4] = {};  // the frame, its label, the icon field and Browse...
    bool syncing_ = false;       // fields are being set from the model
};

}  // namespace hw
