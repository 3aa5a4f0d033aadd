// Replays kept fuzz inputs: every file in the folders (or the files) named on the command
// line goes through the target once, except notes (*.md). A finding aborts, which fails the
// test; so does a target's own check of what the inputs reached together, where it has one.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int HwReplayFinished();

namespace {

int Replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        std::filesystem::path arg(argv[i]);
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg))
                if (entry.is_regular_file() && entry.path().extension() != ".md") replayed += Replay(entry.path());
        } else if (std::filesystem::exists(arg)) {
            replayed += Replay(arg);
        }
    }
    // The empty input always runs, so a target without kept inputs is still exercised.
    LLVMFuzzerTestOneInput(nullptr, 0);
    std::printf("%d inputs replayed\n", replayed);
    return HwReplayFinished && HwReplayFinished() != 0 ? 1 : 0;
}
