// Calendar data lines of any shape: a record is read only from what the line holds.
#include "core/calendar/records.h"
#include "core/common/text_lines.h"
#include "tests/fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace omenary;
    const TextLines lines(std::string(reinterpret_cast<const char*>(data), size));
    for (std::size_t i = 0; i <= lines.Count(); ++i) {
        const std::string_view line = lines.Line(i);
        const auto record = calendar::ReadDayRecord(line);
        if (!record) continue;
        fuzz::Require(record->dateKey.size() == calendar::kDateKeyLength);
        fuzz::Require(record->dateKey.data() >= line.data() &&
                      record->dateKey.data() + record->dateKey.size() <= line.data() + line.size());
        fuzz::Require(record->stem >= 1 && record->stem <= 10 && record->branch >= 1 && record->branch <= 12);
    }
    return 0;
}
