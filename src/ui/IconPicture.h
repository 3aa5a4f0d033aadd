#pragma once
// Sole owner of an icon handle: destroys it when it goes away or is given another icon.
#include "platform/Icons.h"

namespace hw {

class IconPicture {
public:
    explicit IconPicture(Icons& icons, IconHandle icon = 0) : icons_(&icons), icon_(icon) {}
    ~IconPicture() { Reset(); }
    IconPicture(const IconPicture&) = delete;
    IconPicture& operator=(const IconPicture&) = delete;
    IconPicture(IconPicture&& other) noexcept;
    IconPicture& operator=(IconPicture&& other) noexcept;

    IconHandle Handle() const { return icon_; }
    explicit operator bool() const { return icon_ != 0; }
    // Takes the new icon; the one held before is destroyed.
    void Reset(IconHandle icon = 0);

private:
    Icons* icons_;
    IconHandle icon_;
};

}  // namespace hw
