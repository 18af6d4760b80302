// The fixed relations of a marriage between the birth branches (and one stem) of the groom, the bride
// and their parents; each a pure function from a code text to a code text. An input that is not a
// code of the table ("", "0", "05", " 5", "13") gives empty text, except MarriageClashCode: "0".
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace omenary::marriage {

// Months from the bride's branch. Each second month is the clash of the first.
// The groom's demon months (อสูรเจ้าบ่าว); the bride's are her clash and her own branch.
inline constexpr std::array<int, 12> kGroomDemonMonth1 = {6, 9, 8, 11, 10, 1, 12, 3, 2, 5, 4, 7};
inline constexpr std::array<int, 12> kGroomDemonMonth2 = {12, 3, 2, 5, 4, 7, 6, 9, 8, 11, 10, 1};
// Months harmful to the bride's parents (เคราะห์พ่อแม่เจ้าสาว).
inline constexpr std::array<int, 12> kBrideParentsHarmMonth1 = {5, 10, 7, 12, 9, 2, 11, 4, 1, 6, 3, 8};
inline constexpr std::array<int, 12> kBrideParentsHarmMonth2 = {11, 4, 1, 6, 3, 8, 5, 10, 7, 12, 9, 2};
// Months harmful to the groom's parents (เคราะห์พ่อแม่เจ้าบ่าว).
inline constexpr std::array<int, 12> kGroomParentsHarmMonth1 = {4, 11, 6, 1, 8, 3, 10, 5, 12, 7, 2, 9};
inline constexpr std::array<int, 12> kGroomParentsHarmMonth2 = {10, 5, 12, 7, 2, 9, 4, 11, 6, 1, 8, 3};
// Fortune months (เดือนลาภ) and luck months (เดือนโชค).
inline constexpr std::array<int, 12> kFortuneMonth1 = {3, 12, 5, 2, 7, 4, 9, 6, 11, 8, 1, 10};
inline constexpr std::array<int, 12> kFortuneMonth2 = {9, 6, 11, 8, 1, 10, 3, 12, 5, 2, 7, 4};
inline constexpr std::array<int, 12> kLuckMonth1 = {2, 1, 4, 3, 6, 5, 8, 7, 10, 9, 12, 11};
inline constexpr std::array<int, 12> kLuckMonth2 = {8, 7, 10, 9, 12, 11, 2, 1, 4, 3, 6, 5};
// The deserted-chamber month (เดือนหอร้าง); the no-offspring hour (ยามสิ้นบุตร) falls on the same branch.
inline constexpr std::array<int, 12> kDesertedChamber = {2, 4, 9, 2, 4, 9, 2, 4, 9, 2, 4, 9};
// 破月 the broken months (พั่วง่วย) and the ทิเซ้าซิ่ว months of the bride and of the groom.
inline constexpr std::array<int, 12> kBrideBrokenMonth = {8, 6, 5, 3, 8, 6, 5, 3, 8, 6, 5, 3};
inline constexpr std::array<int, 12> kBrideTisolsilMonth = {2, 11, 9, 10, 2, 11, 9, 10, 2, 11, 9, 10};
inline constexpr std::array<int, 12> kGroomBrokenMonth = {4, 5, 12, 7, 2, 3, 10, 11, 6, 1, 8, 9};
inline constexpr std::array<int, 12> kGroomTisolsilMonth = {3, 8, 6, 4, 3, 8, 6, 4, 3, 8, 6, 4};
// 孤辰 the man's and 寡宿 the woman's lonely branch (โกวซิ้ง, กัวสัวะ), by groups of three births.
inline constexpr std::array<int, 12> kGroomLonelyBranch = {3, 3, 6, 6, 6, 9, 9, 9, 12, 12, 12, 3};
inline constexpr std::array<int, 12> kBrideLonelyBranch = {11, 11, 2, 2, 2, 5, 5, 5, 8, 8, 8, 11};
// The child's branch (ราศีลูก) by the bride's stem.
inline constexpr std::array<int, 10> kChildBranchOfStem = {11, 12, 2, 3, 2, 3, 5, 6, 8, 9};

// ราศีห้าม: the clash of any person's branch; "0" (no parent entered) and anything else give "0".
std::string MarriageClashCode(std::string_view branchCode);

// From the bride's branch.
std::string BrideDemonMonth1(std::string_view brideBranch);  // the clash of her branch
std::string BrideDemonMonth2(std::string_view brideBranch);  // her own branch
std::string GroomDemonMonth1(std::string_view brideBranch);
std::string GroomDemonMonth2(std::string_view brideBranch);
std::string BrideParentsHarmMonth1(std::string_view brideBranch);
std::string BrideParentsHarmMonth2(std::string_view brideBranch);
std::string GroomParentsHarmMonth1(std::string_view brideBranch);
std::string GroomParentsHarmMonth2(std::string_view brideBranch);
std::string FortuneMonth1(std::string_view brideBranch);
std::string FortuneMonth2(std::string_view brideBranch);
std::string LuckMonth1(std::string_view brideBranch);
std::string LuckMonth2(std::string_view brideBranch);
std::string DesertedChamberMonth(std::string_view brideBranch);
std::string NoOffspringHour(std::string_view brideBranch);
std::string BrideBrokenMonth(std::string_view brideBranch);
std::string BrideTisolsilMonth(std::string_view brideBranch);
std::string BrideLonelyBranch(std::string_view brideBranch);

// From the groom's branch.
std::string GroomBrokenMonth(std::string_view groomBranch);
std::string GroomTisolsilMonth(std::string_view groomBranch);
std::string GroomLonelyBranch(std::string_view groomBranch);

// From the bride's stem: the child's branch and its clash.
std::string ChildBranchOfStem(std::string_view brideStem);
std::string ChildClashOfStem(std::string_view brideStem);

}  // namespace omenary::marriage
