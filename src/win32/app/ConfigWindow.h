#pragma once
// The configuration window: the menu bar, the list of entries with its buttons and icon
// preview, the layout, saving and quitting. Its window is Hidewell's main window, which the
// tray shell shares (see TrayShell).
#include <functional>
#include <memory>
#include <vector>

#include "engine/TrayEngine.h"
#include "platform/Log.h"
#include "ui/ConfigWindowModel.h"
#include "ui/IconPicture.h"
#include "win32/app/MainWindowClass.h"
#include "win32/base/DialogLayout.h"
#include "win32/base/ListRowTips.h"
#include "win32/base/Window.h"
#include "win32/ui/EntryEditor.h"

namespace hw {

class ConfigWindow : public Window {
public:
    static constexpr const wchar_t* kClassName = kMainWindowClass;
    static constexpr int kWidthTwips = 5625;
    // Offered every message of the window first; true when it took the message, with its result.
    using MessageFilter = std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    ConfigWindow();
    ~ConfigWindow() override;
    // Creates the window (hidden) and its controls.
    bool Create(TrayEngine& engine, Desktop& desktop, Ui& ui, Icons& icons, Log& log);
    void SetMessageFilter(MessageFilter filter) { filter_ = std::move(filter); }
    // Keys of the menu bar (F1); true when the message was one of them.
    bool HandleKeys(MSG& msg);

    // Shows the window, unless it is shown already.
    void Show();
    // Shows the list again after the entries changed.
    void EntriesChanged();
    void SetSmallIcon(HICON icon);
    // Sets the window's height (twips).
    void SetHeightTwips(int twips);
    // Ends Hidewell for the reason, after the quit question where it is asked; false when
    // the user chose to keep Hidewell running.
    bool Quit(QuitReason reason);

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void CreateMenuBar();
    void HoldWidth(MINMAXINFO& limits) const;
    int WidthPixels() const;

    // The list and its buttons.
    void ShowRows();
    void ShowButtons();
    void ShowPreview();
    // The activation refresh: the first row selected.
    void OnActivate();
    // After New, Edit and Remove: the rows shown again, the model's selection kept.
    void OnRowsChanged();
    void OnSelect();
    EntryEditorResult RunEditor(const EntryEditorArgs& args);
    void OnNew();
    void OnEdit();
    void OnRemove();
    void OnMove(bool up);
    void OnOk();
    void OnUndo();
    void OnOptions();
    // Saves the window's height and the settings; false when a value could not be written
    // (each failure is logged).
    bool SaveHeightAndSettings();
    // The same, telling the user when it fails.
    void SaveReported();
    void OnCommand(int id);

    TrayEngine* engine_ = nullptr;
    Desktop* desktop_ = nullptr;
    Ui* ui_ = nullptr;
    Icons* icons_ = nullptr;
    MessageFilter filter_;
    Log* log_ = nullptr;
    DialogLayout layout_;
    HWND list_ = nullptr;
    HWND preview_ = nullptr;
    HWND buttons_[4] = {};  // Edit, Remove, Up, Down
    std::unique_ptr<ListRowTips> rowTips_;  // full titles of rows too long for the list
    UniqueHandle<HACCEL, &DestroyAcceleratorTable> accelerators_;
    std::unique_ptr<ConfigWindowModel> config_;
    std::unique_ptr<IconPicture> previewIcon_;
    std::unique_ptr<EntryEditor> editor_;  // made on first use, kept between uses
};

}  // namespace hw
