#pragma once
// The window "Hidewell Help": the list of topics on the left, the chosen topic's text on the
// right. One per process, not owned by the window that asked for it, so it stays usable while
// a modal dialog is open; it deletes itself when it is destroyed.
#include <vector>

#include "ui/HelpBook.h"
#include "win32/base/DialogLayout.h"
#include "win32/base/Window.h"

namespace hw {

class HelpWindow : public Window {
public:
    static constexpr const wchar_t* kClassName = L"HidewellHelp";
    // Sent to the window to show a context's topic (wParam: the context) in front.
    static constexpr UINT kOpenMessage = WM_APP + 1;

    // Creates a window on the heap, showing the context's topic; nullptr if that fails.
    static HelpWindow* Open(std::vector<HelpTopic> topics, HelpContext context);
    // The help window of this process, if one is open.
    static HWND Find();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage() override { delete this; }

private:
    explicit HelpWindow(std::vector<HelpTopic> topics) : book_(std::move(topics)) {}
    bool Create();
    void CreateControls();
    void Layout();
    void ShowTopic();
    void BringToFront();

    HelpBook book_;
    DialogLayout layout_;
    HWND list_ = nullptr;
    HWND text_ = nullptr;
};

}  // namespace hw
