#pragma once
// A diagnostics log that keeps its lines for the tests to read.
#include <vector>

#include "platform/Log.h"

namespace hw::test {

class RecordingLog : public Log {
public:
    struct Line {
        Text what;
        Text caption;
        std::uint32_t systemError;
    };
    void Failure(const Text& what, const Text& caption, std::uint32_t systemError) override {
        lines.push_back({what, caption, systemError});
    }
    std::vector<Line> lines;
};

}  // namespace hw::test
