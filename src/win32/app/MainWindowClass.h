#pragma once
// The window class of Hidewell's main window, by which other programs find it.
namespace hw {

inline constexpr const wchar_t* kMainWindowClass = L"HidewellMain";

}  // namespace hw
