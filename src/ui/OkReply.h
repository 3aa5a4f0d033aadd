#pragma once
// A dialog model's answer to OK: an empty message means the dialog closes. Otherwise the dialog
// shows the message and stays open; a question asks, No by default, and its Yes closes the
// dialog.
#include "platform/Types.h"

namespace hw {

struct OkReply {
    Text message;
    bool question = false;
};

}  // namespace hw
