#include "ui/IconPicture.h"

#include <utility>

namespace hw {

IconPicture::IconPicture(IconPicture&& other) noexcept
    : icons_(other.icons_), icon_(std::exchange(other.icon_, IconHandle{})) {}

IconPicture& IconPicture::operator=(IconPicture&& other) noexcept {
    if (this != &other) {
        Reset(std::exchange(other.icon_, IconHandle{}));
        icons_ = other.icons_;
    }
    return *this;
}

void IconPicture::Reset(IconHandle icon) {
    IconHandle old = std::exchange(icon_, icon);
    if (old && old != icon) icons_->DestroyIcon(old);
}

}  // namespace hw
