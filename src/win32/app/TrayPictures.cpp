#include "win32/app/TrayPictures.h"

#include "../../../resources/resource.h"

namespace hw {

namespace {

using ScaleDownFunction = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

// The picture drawn from the nearest larger one in the file, not blown up from a smaller one
// (LoadIconWithScaleDown of the common controls 6, looked up at run time); otherwise as the
// system chooses.
HICON LoadPicture(HINSTANCE module, int id, int size) {
    HMODULE controls = GetModuleHandleW(L"comctl32.dll");
    auto scaleDown = controls ? reinterpret_cast<ScaleDownFunction>(reinterpret_cast<void (*)()>(
                                    GetProcAddress(controls, "LoadIconWithScaleDown")))
                              : nullptr;
    HICON icon = nullptr;
    if (scaleDown && SUCCEEDED(scaleDown(module, MAKEINTRESOURCEW(id), size, size, &icon)) && icon) return icon;
    return static_cast<HICON>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

}  // namespace

bool TrayPictures::Load(HINSTANCE module, int size) {
    if (size <= 0 || size == size_) return false;
    const int ids[] = {IDI_NOTGOT, IDI_GOT, IDI_HIDEWELL};
    UniqueIcon loaded[3];
    for (int i = 0; i < 3; ++i) {
        loaded[i].Reset(LoadPicture(module, ids[i], size));
        if (!loaded[i]) return false;
    }
    for (int i = 0; i < 3; ++i) {
        previous_[i] = std::move(current_[i]);
        current_[i] = std::move(loaded[i]);
    }
    size_ = size;
    return true;
}

}  // namespace hw
