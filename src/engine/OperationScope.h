#pragma once
// Marks a window operation as running for as long as it lives: a tick then leaves the hidden
// windows alone, and a request that comes in meanwhile (while Hidewell waits on another
// program or the taskbar) is asked to come again.

namespace hw {

class OperationScope {
public:
    explicit OperationScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~OperationScope() { flag_ = was_; }
    OperationScope(const OperationScope&) = delete;
    OperationScope& operator=(const OperationScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace hw
