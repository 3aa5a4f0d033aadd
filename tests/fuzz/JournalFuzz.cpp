// Journal records as a crashed run left them in the registry: any value name and text
// decode to a record or to nothing, and every record reads back as it was written.
#include "FuzzInput.h"
#include "common/NumericParse.h"
#include "engine/HiddenJournal.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using hw::fuzz::Check;
    hw::fuzz::FuzzInput in(data, size);
    hw::JournalRecord r;
    r.window = hw::WindowHandle{1 + in.Number(8) % INT64_MAX};
    r.processId = static_cast<std::uint32_t>(in.Number(4));
    r.className = in.Chars(256);
    r.caption = in.Chars(300);
    const hw::Text name = hw::DecimalText(static_cast<std::int64_t>(r.window.Value()));
    Check(hw::DecodeJournalRecord(name, hw::EncodeJournalRecord(r)) == r);

    const hw::Text anyName = in.Chars(40);
    hw::DecodeJournalRecord(anyName, in.Units(1024));
    return 0;
}
