// Fixed relations between branches, each a pure function from a code text to a code text. An input
// that is not a code of the table ("", "0", "01", "13", a name) gives empty text.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace omenary::astro {

// 六沖 the clashing branch, six places on.
inline constexpr std::array<int, 12> kClash = {7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6};

// 三煞 of a year: a year groups its branch with those four places away (申子辰, 寅午戌, 亥卯未, 巳酉丑).
inline constexpr std::array<int, 12> kEvilYearMaster = {7, 4, 1, 10, 7, 4, 1, 10, 7, 4, 1, 10};
inline constexpr std::array<int, 12> kEvilYearMeans = {6, 3, 12, 9, 6, 3, 12, 9, 6, 3, 12, 9};
inline constexpr std::array<int, 12> kEvilYearTreasury = {8, 5, 2, 11, 8, 5, 2, 11, 8, 5, 2, 11};

// 三煞 of a direction: a sector groups with its neighbours, the four quarters of the compass.
inline constexpr std::array<int, 12> kEvilMaster = {7, 7, 10, 10, 10, 1, 1, 1, 4, 4, 4, 7};
inline constexpr std::array<int, 12> kEvilMeans = {3, 3, 6, 6, 6, 9, 9, 9, 12, 12, 12, 3};
inline constexpr std::array<int, 12> kEvilTreasury = {11, 11, 2, 2, 2, 5, 5, 5, 8, 8, 8, 11};

// 天乙貴人 the two noble branches of a stem (เทียงอิกกุ้ยนั้ง).
inline constexpr std::array<int, 10> kTangeigjueninglang1 = {2, 1, 10, 10, 2, 1, 3, 3, 4, 4};
inline constexpr std::array<int, 10> kTangeigjueninglang2 = {8, 9, 12, 12, 8, 9, 7, 7, 6, 6};

// Thai branch name -> branch code ("ชวด" -> "1"). A list item such as "01 = ชวด" is not a name.
std::string BranchCodeOfName(std::string_view name);

std::string ClashCode(std::string_view branchCode);
std::string EvilYearMasterCode(std::string_view branchCode);
std::string EvilYearMeansCode(std::string_view branchCode);
std::string EvilYearTreasuryCode(std::string_view branchCode);
std::string EvilMasterCode(std::string_view branchCode);
std::string EvilMeansCode(std::string_view branchCode);
std::string EvilTreasuryCode(std::string_view branchCode);
std::string TangeigjueninglangCode1(std::string_view stemCode);
std::string TangeigjueninglangCode2(std::string_view stemCode);

}  // namespace omenary::astro
