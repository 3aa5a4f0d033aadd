#pragma once
// Hidewell's own pictures (no window hidden, some hidden, the program icon) at the size the
// notification area shows, loaded again when that size changes.
#include <windows.h>

#include "platform/EngineHost.h"
#include "win32/base/Handles.h"

namespace hw {

class TrayPictures {
public:
    // Loads the pictures out of the module's resources at this size; false when they already
    // have it or it fails. The pictures of the size before stay alive until the next load, for
    // whoever still shows them.
    bool Load(HINSTANCE module, int size);
    HICON Get(Picture picture) const { return current_[static_cast<int>(picture)].Get(); }
    int Size() const { return size_; }

private:
    static constexpr int kCount = 4;
    UniqueIcon current_[kCount];
    UniqueIcon previous_[kCount];
    int size_ = 0;
};

}  // namespace hw
