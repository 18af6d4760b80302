// The calendar index reader over any bytes: a reason or an index whose answers stay sane.
#include "core/calendar/index.h"
#include "tests/fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace omenary;
    const calendar::IndexLoad load =
        calendar::ParseCalendarIndex(std::string(reinterpret_cast<const char*>(data), size));
    fuzz::Require(load.index.has_value() != !load.failure.empty());
    if (!load.index) return 0;
    const calendar::YearRange range = load.index->CalendarYearRange();
    const std::vector<std::string> years = load.index->YearListItems();
    for (const std::string& year : years)
        fuzz::Require(!year.empty() && year.size() <= 10);
    for (const int year : {0, 2443, 2547, 2699, 9999})
        (void)load.index->CalendarFileForYear(year);
    (void)range;
    return 0;
}
