#pragma once
// What a title pattern would do now, as the entry editor shows it under the title field.
#include "platform/Types.h"

namespace hw {

struct TitleVerdict {
    Text refusal;  // the title can never match a window: Ok refuses it with this message
    Text matches;  // the open windows it matches now ("Matches 1 open window: ...")
    Text warning;  // a title that works but probably not as meant: Ok asks before keeping it
    bool operator==(const TitleVerdict&) const = default;
};

}  // namespace hw
