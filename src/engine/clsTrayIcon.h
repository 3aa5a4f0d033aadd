#pragma once
// One icon in the notification area: its shell record, adding, changing and removing it,
// and decoding the mouse messages that come back to its receiver window.
#include <cstdint>

#include "platform/NotifyArea.h"

namespace hw {

class clsTrayIcon {
public:
    static constexpr std::size_t kTipLength = 64;

    explicit clsTrayIcon(NotifyArea& shell);
    ~clsTrayIcon();
    clsTrayIcon(const clsTrayIcon&) = delete;
    clsTrayIcon& operator=(const clsTrayIcon&) = delete;

    void IconToShow(IconHandle icon);
    void ObjectToReceiveEvent(WindowHandle receiver);
    void IconID(std::uint32_t id) { record_.uID = id; }
    std::uint32_t IconID() const { return record_.uID; }
    // The tip is kept as a 64-character field: cut after 64 characters, padded with blanks.
    void TrayToolTip(const Text& message);
    const Text& TrayToolTip() const { return record_.szTip; }

    // False when there is nothing to show or the shell refused the call (the icon still
    // counts as shown after a refused add, so that RemoveIcon and Readd see it).
    bool ShowIcon();
    void RemoveIcon();
    // Adds the icon again after the taskbar was re-created, if it is shown.
    void Readd();

    // Decodes a mouse message number (the low word of the callback's lParam) into one of
    // the ti... codes, -1 for anything else. While a handler given to Dispatch runs, a
    // nested decode for this icon returns 0 and runs nothing.
    std::int16_t TrayEvent(int message);
    template <typename Handler>
    std::int16_t Dispatch(int message, Handler&& handler);

    static constexpr std::int16_t tiLButDwn() { return 1; }
    static constexpr std::int16_t tiLButUp() { return 2; }
    static constexpr std::int16_t tiLDblClk() { return 3; }
    static constexpr std::int16_t tiRButDwn() { return 4; }
    static constexpr std::int16_t tiRButUp() { return 5; }
    static constexpr std::int16_t tiRDblClk() { return 6; }

    bool Shown() const { return shown_; }

private:
    static std::int16_t Decode(int message);

    NotifyArea& shell_;
    NotifyIconRecord record_;
    bool shown_ = false;
    bool inEvent_ = false;
};

template <typename Handler>
std::int16_t clsTrayIcon::Dispatch(int message, Handler&& handler) {
    if (inEvent_) return 0;
    std::int16_t code = Decode(message);
    inEvent_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inEvent_};
    handler(code);
    return code;
}

}  // namespace hw
