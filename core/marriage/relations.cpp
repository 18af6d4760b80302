#include "core/marriage/relations.h"

#include "core/astro/codes.h"
#include "core/astro/relations.h"

namespace omenary::marriage {

using astro::CodeOf;

std::string MarriageClashCode(std::string_view branchCode) {
    const std::string clash = astro::ClashCode(branchCode);
    return clash.empty() ? "0" : clash;
}

std::string BrideDemonMonth1(std::string_view brideBranch) {
    return astro::ClashCode(brideBranch);
}
std::string BrideDemonMonth2(std::string_view brideBranch) {
    return ParseCode(brideBranch, 12) ? std::string(brideBranch) : std::string{};
}
std::string GroomDemonMonth1(std::string_view brideBranch) {
    return CodeOf(kGroomDemonMonth1, brideBranch);
}
std::string GroomDemonMonth2(std::string_view brideBranch) {
    return CodeOf(kGroomDemonMonth2, brideBranch);
}
std::string BrideParentsHarmMonth1(std::string_view brideBranch) {
    return CodeOf(kBrideParentsHarmMonth1, brideBranch);
}
std::string BrideParentsHarmMonth2(std::string_view brideBranch) {
    return CodeOf(kBrideParentsHarmMonth2, brideBranch);
}
std::string GroomParentsHarmMonth1(std::string_view brideBranch) {
    return CodeOf(kGroomParentsHarmMonth1, brideBranch);
}
std::string GroomParentsHarmMonth2(std::string_view brideBranch) {
    return CodeOf(kGroomParentsHarmMonth2, brideBranch);
}
std::string FortuneMonth1(std::string_view brideBranch) {
    return CodeOf(kFortuneMonth1, brideBranch);
}
std::string FortuneMonth2(std::string_view brideBranch) {
    return CodeOf(kFortuneMonth2, brideBranch);
}
std::string LuckMonth1(std::string_view brideBranch) {
    return CodeOf(kLuckMonth1, brideBranch);
}
std::string LuckMonth2(std::string_view brideBranch) {
    return CodeOf(kLuckMonth2, brideBranch);
}
std::string DesertedChamberMonth(std::string_view brideBranch) {
    return CodeOf(kDesertedChamber, brideBranch);
}
std::string NoOffspringHour(std::string_view brideBranch) {
    return CodeOf(kDesertedChamber, brideBranch);
}
std::string BrideBrokenMonth(std::string_view brideBranch) {
    return CodeOf(kBrideBrokenMonth, brideBranch);
}
std::string BrideTisolsilMonth(std::string_view brideBranch) {
    return CodeOf(kBrideTisolsilMonth, brideBranch);
}
std::string BrideLonelyBranch(std::string_view brideBranch) {
    return CodeOf(kBrideLonelyBranch, brideBranch);
}
std::string GroomBrokenMonth(std::string_view groomBranch) {
    return CodeOf(kGroomBrokenMonth, groomBranch);
}
std::string GroomTisolsilMonth(std::string_view groomBranch) {
    return CodeOf(kGroomTisolsilMonth, groomBranch);
}
std::string GroomLonelyBranch(std::string_view groomBranch) {
    return CodeOf(kGroomLonelyBranch, groomBranch);
}
std::string ChildBranchOfStem(std::string_view brideStem) {
    return CodeOf(kChildBranchOfStem, brideStem);
}
std::string ChildClashOfStem(std::string_view brideStem) {
    return astro::ClashCode(ChildBranchOfStem(brideStem));
}

}  // namespace omenary::marriage
