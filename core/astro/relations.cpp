#include "core/astro/relations.h"

#include "core/astro/codes.h"
#include "core/astro/cycles.h"

namespace omenary::astro {

std::string BranchCodeOfName(std::string_view name) {
    return CodeOfText(kBranchNames, name);
}
std::string ClashCode(std::string_view branchCode) {
    return CodeOf(kClash, branchCode);
}
std::string EvilYearMasterCode(std::string_view branchCode) {
    return CodeOf(kEvilYearMaster, branchCode);
}
std::string EvilYearMeansCode(std::string_view branchCode) {
    return CodeOf(kEvilYearMeans, branchCode);
}
std::string EvilYearTreasuryCode(std::string_view branchCode) {
    return CodeOf(kEvilYearTreasury, branchCode);
}
std::string EvilMasterCode(std::string_view branchCode) {
    return CodeOf(kEvilMaster, branchCode);
}
std::string EvilMeansCode(std::string_view branchCode) {
    return CodeOf(kEvilMeans, branchCode);
}
std::string EvilTreasuryCode(std::string_view branchCode) {
    return CodeOf(kEvilTreasury, branchCode);
}
std::string TangeigjueninglangCode1(std::string_view stemCode) {
    return CodeOf(kTangeigjueninglang1, stemCode);
}
std::string TangeigjueninglangCode2(std::string_view stemCode) {
    return CodeOf(kTangeigjueninglang2, stemCode);
}

}  // namespace omenary::astro
