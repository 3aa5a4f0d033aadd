// The help window behind every Help button and menu item; its text is the resource
// HIDEWELL_HELP, the Markdown topics that the build joins.
#include "win32/help/Help.h"

#include <string_view>

#include "win32/help/HelpWindow.h"

namespace hw {

namespace {

std::vector<HelpTopic> LoadHelpTopics() {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, L"HIDEWELL_HELP", RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return ParseHelp(std::string_view(static_cast<const char*>(bytes), SizeofResource(module, found)));
}

}  // namespace

// The help window is not owned by the window that asks for it: it stays usable beside a modal
// dialog and stays open when that dialog closes.
void ShowHelp(HWND, HelpContext context) {
    if (HWND open = HelpWindow::Find())
        SendMessageW(open, HelpWindow::kOpenMessage, static_cast<WPARAM>(context), 0);
    else
        HelpWindow::Open(LoadHelpTopics(), context);
}

void CloseHelp() {
    if (HWND open = HelpWindow::Find()) DestroyWindow(open);
}

}  // namespace hw
