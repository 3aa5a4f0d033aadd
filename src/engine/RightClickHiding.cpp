#include "engine/RightClickHiding.h"

#include <utility>

namespace hw {

WindowArea AreaFromGeometry(const CaptionGeometry& f, int x, int y) {
    if (!f.hasCaption || x < f.left || x >= f.right || y < f.top || y >= f.bottom) return WindowArea::Other;
    const int captionTop = f.top + f.frameY;
    if (y < captionTop || y >= captionTop + f.captionHeight) return WindowArea::Other;
    int buttonsLeft = f.right - f.frameX;
    if (f.hasCloseButton) buttonsLeft -= f.buttonWidth;
    if (f.hasCloseButton && f.hasMinimiseButton) {
        const int minimiseRight = buttonsLeft - f.buttonWidth;
        const int minimiseLeft = minimiseRight - f.buttonWidth;
        if (x >= minimiseLeft && x < minimiseRight) return WindowArea::MinimiseButton;
        buttonsLeft = minimiseLeft;
    }
    return x >= f.left + f.frameX && x < buttonsLeft ? WindowArea::Caption : WindowArea::Other;
}

RightClickHider::RightClickHider(ClickTarget& target, std::function<HandHide(WindowHandle)> judge)
    : target_(target), judge_(std::move(judge)) {}

MouseVerdict RightClickHider::OnMouse(const MouseInput& input) {
    MouseVerdict verdict;
    switch (input.kind) {
    case MouseInput::Kind::Other:
        break;
    case MouseInput::Kind::RightUp:
        // The second half of a taken click is taken too, even if the option went off between.
        if (taken_) {
            verdict.swallow = true;
            verdict.hide = std::exchange(taken_, WindowHandle{});
        }
        break;
    case MouseInput::Kind::RightDown: {
        taken_ = WindowHandle{};  // a button-up that never came belongs to no click now
        if (!enabled_) break;
        const WindowHandle window = target_.TopLevelAt(input.x, input.y);
        if (!window) break;
        const WindowArea area = target_.AreaAt(window, input.x, input.y);
        if (area != WindowArea::MinimiseButton && !(area == WindowArea::Caption && input.shift)) break;
        switch (judge_(window)) {
        case HandHide::Hide:
            verdict.swallow = true;
            taken_ = window;
            break;
        case HandHide::Refuse:
            verdict.refuse = window;
            break;
        case HandHide::Ignore:
            break;
        }
        break;
    }
    }
    return verdict;
}

}  // namespace hw
