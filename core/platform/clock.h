// The system date, injectable: the window asks the system, the CLI's --today and the tests set it.
#pragma once

#include <optional>
#include <string_view>

namespace omenary::platform {

// A calendar date as the system calendar gives it; the year may be Gregorian or Buddhist Era.
struct Date {
    int year = 0;
    int month = 0;  // 1 ... 12
    int day = 0;    // 1 ... 31
    friend bool operator==(const Date&, const Date&) = default;
};

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date Today() const = 0;
};

// The local date of this computer.
class SystemClock final : public Clock {
  public:
    Date Today() const override;
};

class FixedClock final : public Clock {
  public:
    explicit FixedClock(Date today) : today_(today) {}
    Date Today() const override { return today_; }

  private:
    Date today_;
};

// "YYYY-MM-DD" with a real day of that month (a year of 2400 or more counted as BE, as Gregorian
// year − 543, for leap years); nothing otherwise.
std::optional<Date> ParseIsoDate(std::string_view text);

// The BE year of a system year: a year of 2400 or more is already BE, any other gets 543 added.
int BuddhistEraYear(int systemYear);

}  // namespace omenary::platform
