// The shared vocabulary: the twelve branches and ten stems, the sexagenary pair of a Buddhist Era
// year, the five elements, the Thai month names, the hour windows and the weekday abbreviations.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace omenary::astro {

// 地支 earthly branches (ราศีล่าง), code 1 ... 12 in this order.
inline constexpr std::array<std::string_view, 12> kBranchNames = {
    "ชวด", "ฉลู", "ขาล", "เถาะ", "มะโรง", "มะเส็ง", "มะเมีย", "มะแม", "วอก", "ระกา", "จอ", "กุน"};
// Teochew readings of the branches, the hints of the coin picker.
inline constexpr std::array<std::string_view, 12> kBranchReadings = {"จื้อ",  "ทิ่ว", "เอี๊ยง", "เบ้า", "ซิ้ง", "จี๋",
                                                                     "โง่ว", "บี่",  "ซิม",   "อิ๊ว",  "สุก", "ไห"};
inline constexpr std::array<std::string_view, 12> kBranchCharacters = {"子", "丑", "寅", "卯", "辰", "巳",
                                                                       "午", "未", "申", "酉", "戌", "亥"};

// 天干 heavenly stems (ราศีบน), code 1 ... 10 in this order; the names are their Teochew readings.
inline constexpr std::array<std::string_view, 10> kStemNames = {"กะ", "อิก", "เปี้ย", "เต็ง", "โบ่ว",
                                                                "กี้",  "แก", "ซิง",  "ยิ้ม",  "กุ่ย"};
inline constexpr std::array<std::string_view, 10> kStemCharacters = {"甲", "乙", "丙", "丁", "戊",
                                                                     "己", "庚", "辛", "壬", "癸"};

// 五行 the five elements and the pictures that show them on the report.
inline constexpr std::array<std::string_view, 5> kElementNames = {"ดิน", "ไฟ", "ไม้", "น้ำ", "ทอง"};
inline constexpr std::array<std::string_view, 5> kElementPictures = {"ground.bmp", "fire.bmp", "wood.bmp",
                                                                     "water.bmp", "gold.bmp"};

// Gregorian months, code "01" ... "12".
inline constexpr std::array<std::string_view, 12> kMonthNames = {"มกราคม",  "กุมภาพันธ์", "มีนาคม",    "เมษายน",
                                                                 "พฤษภาคม", "มิถุนายน",  "กรกฎาคม",  "สิงหาคม",
                                                                 "กันยายน",  "ตุลาคม",   "พฤศจิกายน", "ธันวาคม"};

// 時辰 the hour window of each branch.
inline constexpr std::array<std::string_view, 12> kTwoHourPeriods = {
    "23:30-00:30 น.", "01:30-02:30 น.", "03:30-04:30 น.", "05:30-06:30 น.",
    "07:30-08:30 น.", "09:30-10:30 น.", "11:30-12:30 น.", "13:30-14:30 น.",
    "15:30-16:30 น.", "17:30-18:30 น.", "19:30-20:30 น.", "21:30-22:30 น."};

// Day of week 1 = Sunday ... 7 = Saturday.
inline constexpr std::array<std::string_view, 7> kWeekdayAbbreviations = {"อา.", "จ.", "อ.", "พ.",
                                                                          "พฤ.", "ศ.", "ส."};

// Stem and branch code of a BE year; empty below 2437 (stem) and 2443 (branch), where the counting
// that starts there would give codes of 0 or below.
std::string StemOfBEYear(int beYear);
std::string BranchOfBEYear(int beYear);

// The first BE year with both codes, and so the first whose glyph pictures exist.
inline constexpr int kFirstYearWithCodes = 2443;
// Whether the text is a BE year from kFirstYearWithCodes on.
bool YearHasCodes(std::string_view beYear);
// For a year without codes, the message that refuses it and says which years are supported;
// nothing for a year with codes.
std::optional<std::string> YearWithoutCodesRefusal(std::string_view beYear);

std::string BranchNameOfCode(std::string_view branchCode);
std::string StemNameOfCode(std::string_view stemCode);
std::string MonthNameOfCode(std::string_view twoDigitMonth);
std::string TwoHourPeriodText(int branch);
std::string WeekdayAbbreviation(int dayOfWeek);

// "01 = ชวด" for branch code "1"; "01 = มกราคม" for month code "01". Empty for an unknown code.
std::string BranchListItem(std::string_view branchCode);
std::string MonthListItem(std::string_view twoDigitMonth);
// All twelve items, in code order, as the lists show them.
std::array<std::string, 12> BranchListItems();
std::array<std::string, 12> MonthListItems();

// Element name -> its picture file ("ดิน" -> "ground.bmp"); empty for any other text.
std::string ElementPictureOfName(std::string_view elementName);

}  // namespace omenary::astro
