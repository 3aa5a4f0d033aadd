#pragma once
// Sole owner of an icon handle: destroys it when it goes away or is given another icon.
#include "platform/Icons.h"

namespace hw {

class IconPicture {
public:
    explicit IconPicture(Icons& icons, IconHandle icon = {}) : icons_(&icons), icon_(icon) {}
    ~IconPicture() { Reset(); }
    IconPicture(const IconPicture&) = delete;
    IconPicture& operator=(const IconPicture&) = delete;
    IconPicture(IconPicture&& other) noexcept;
    IconPicture& operator=(IconPicture&& other) noexcept;

    IconHandle Handle() const { return icon_; }
    explicit operator bool() const { return static_cast<bool>(icon_); }
    // Takes the new icon; the one held before is destroyed.
    void Reset(IconHandle icon = {});

private:
    Icons* icons_;
    IconHandle icon_;
};

}  // namespace hw
