#include "core/calendar/pillars.h"

#include <array>
#include <chrono>

namespace omenary::calendar {

namespace {

constexpr long long kUnixEpochJulianDayNumber = 2440588;
// 甲子 falls on the Julian day numbers that are 11 modulo 60.
constexpr long long kDayCycleOffset = 49;
constexpr int kFirstYearOfCycle = 2467;  // BE year 甲子

// 五虎遁: the stem of the 寅 month for year stems 甲/己, 乙/庚, 丙/辛, 丁/壬, 戊/癸 (丙, 戊, 庚, 壬, 甲).
constexpr std::array<int, 5> kTigerMonthStem = {3, 5, 7, 9, 1};

constexpr int FloorModulo(long long value, int modulus) {
    const auto rest = static_cast<int>(value % modulus);
    return rest < 0 ? rest + modulus : rest;
}

constexpr Pillar PillarOfCycleIndex(long long index) {
    return {FloorModulo(index, 10) + 1, FloorModulo(index, 12) + 1};
}

}  // namespace

long long JulianDayNumber(int year, int month, int day) {
    const std::chrono::sys_days date{std::chrono::year{year} / month / day};
    return date.time_since_epoch().count() + kUnixEpochJulianDayNumber;
}

Pillar DayPillar(long long julianDayNumber) {
    return PillarOfCycleIndex(julianDayNumber + kDayCycleOffset);
}

Pillar YearPillar(int beYear) {
    return PillarOfCycleIndex(beYear - kFirstYearOfCycle);
}

int MonthBranchOfTerm(int longitude) {
    return FloorModulo(FloorModulo(longitude - 315, 360) / 30 + 2, 12) + 1;
}

Pillar MonthPillar(int yearStem, int monthBranch) {
    const int monthsFromTiger = FloorModulo(monthBranch - 3, 12);
    return {
        FloorModulo(kTigerMonthStem[static_cast<std::size_t>((yearStem - 1) % 5)] - 1 + monthsFromTiger, 10) +
            1,
        monthBranch};
}

}  // namespace omenary::calendar
