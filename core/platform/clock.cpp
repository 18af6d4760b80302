#include "core/platform/clock.h"

#include <chrono>
#include <ctime>

#include "core/common/text.h"

namespace omenary::platform {

Date SystemClock::Today() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

int BuddhistEraYear(int systemYear) {
    return systemYear >= 2400 ? systemYear : systemYear + 543;
}

std::optional<Date> ParseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    const auto year = ParseDigits(text.substr(0, 4));
    const auto month = ParseDigits(text.substr(5, 2));
    const auto day = ParseDigits(text.substr(8, 2));
    if (!year || !month || !day || *year < 1) return std::nullopt;
    const int gregorian = static_cast<int>(*year >= 2400 ? *year - 543 : *year);
    const std::chrono::year_month_day date{std::chrono::year{gregorian},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok()) return std::nullopt;
    return Date{static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day)};
}

}  // namespace omenary::platform
