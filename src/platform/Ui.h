#pragma once
// Message boxes, as the portable code needs them.
#include <cstdint>

#include "platform/Types.h"

namespace hw {

// Message-box styles and answers (the platform's own values).
enum MessageBoxStyle : std::uint32_t {
    kMbYesNo = 0x4,
    kMbIconCritical = 0x10,
    kMbIconQuestion = 0x20,
    kMbIconExclamation = 0x30,
    kMbIconInformation = 0x40,
    kMbDefButton2 = 0x100,
};
enum MessageBoxAnswer : int { kIdOk = 1, kIdYes = 6, kIdNo = 7 };

// The application title that message boxes carry unless they name "Hidewell".
inline const Text kAppTitle = u"Hidewell+";

class Ui {
public:
    virtual ~Ui() = default;
    virtual int ShowMessage(const Text& text, const Text& caption, std::uint32_t style) = 0;
};

}  // namespace hw
