#pragma once
// The window class of Hidewell's main window, by which other programs find it.
namespace hw {

inline constexpr const wchar_t* kMainWindowClass = L"HidewellMain";
// The message-only window that takes close requests (see common/CommandInbox.h).
inline constexpr const wchar_t* kTrustedInboxClass = L"HidewellTrustedInbox";
// The message by which a second start asks the running copy to show its configuration window.
inline constexpr const wchar_t* kShowConfigurationMessage = L"Hidewell.ShowConfiguration";

}  // namespace hw
