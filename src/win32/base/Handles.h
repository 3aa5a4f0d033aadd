#pragma once
// Non-copyable owners of Windows handles, each released by its own API.
#include <windows.h>

#include <utility>

namespace hw {

template <typename H, auto Free>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(H h) : h_(h) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& o) noexcept : h_(std::exchange(o.h_, H{})) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) {
            Reset();
            h_ = std::exchange(o.h_, H{});
        }
        return *this;
    }

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != H{}; }
    H Release() { return std::exchange(h_, H{}); }
    void Reset(H h = H{}) {
        if (h_ != H{}) Free(h_);
        h_ = h;
    }

private:
    H h_{};
};

using UniqueIcon = UniqueHandle<HICON, &DestroyIcon>;
using UniqueMenu = UniqueHandle<HMENU, &DestroyMenu>;
using UniqueWindow = UniqueHandle<HWND, &DestroyWindow>;
using UniqueKernelHandle = UniqueHandle<HANDLE, &CloseHandle>;
using UniqueFont = UniqueHandle<HFONT, &DeleteObject>;
using UniqueLibrary = UniqueHandle<HMODULE, &FreeLibrary>;

}  // namespace hw
