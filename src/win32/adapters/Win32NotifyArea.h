#pragma once
// The notification area through Shell_NotifyIconW, with the newest shell version's record.
#include "platform/NotifyArea.h"

namespace hw {

class Win32NotifyArea : public NotifyArea {
public:
    bool Notify(NotifyAction action, const NotifyIconRecord& record) override;
};

}  // namespace hw
