#include "core/marriage/calculation.h"

#include <initializer_list>

#include "core/marriage/relations.h"

namespace omenary::marriage {

namespace {

std::string Verdict(const std::string& candidate, std::initializer_list<const std::string*> forbidden) {
    for (const std::string* code : forbidden)
        if (*code == candidate) return "no";
    return "yes";
}

// Codes 1 ... 12 that pass, written from slot 1 on; the slots after them empty.
template <typename Passes>
void BuildList(std::array<std::string, 12>& slots, Passes&& passes) {
    slots.fill({});
    std::size_t next = 0;
    for (int n = 1; n <= 12; ++n)
        if (const std::string code = std::to_string(n); passes(code)) slots[next++] = code;
}

}  // namespace

std::string MarriageBranchVerdict(const MarriageValues& v, const std::string& candidate) {
    return Verdict(candidate, {&v.LabelRSLchildchong, &v.LabelRSLchong, &v.LabelRSLporchildchong,
                               &v.LabelRSLmachildchong, &v.LabelRSLporchong, &v.LabelRSLmachong,
                               &v.Label_numnengkengchong});
}

std::string MarriageHourVerdict(const MarriageValues& v, const std::string& candidate) {
    return Verdict(candidate, {&v.Label_yarmzingbud});
}

std::string MarriageMonthVerdict(const MarriageValues& v, const std::string& candidate) {
    return Verdict(candidate,
                   {&v.Label_kordpormajorsol1, &v.Label_kordpormajorsol2, &v.Label_kordpormajorbol1,
                    &v.Label_kordpormajorbol2, &v.Label_asonejorbol1, &v.Label_asonejorbol2,
                    &v.Label_asonejorsol1, &v.Label_asonejorsol2, &v.Label_dernhorrang, &v.Labelpoyovjorbol,
                    &v.Labelpoyovjorsol, &v.Labeltisolsiljorbol, &v.Labeltisolsiljorsol});
}

void CalculateMarriageOmenary(MarriageValues& v) {
    v.LabelRSB = v.ComboBoxYearGirl1;
    v.LabelRSL = v.ComboBoxYearGirl2;
    v.LabelRSBchild = v.ComboBoxYearBoy1;
    v.LabelRSLchild = v.ComboBoxYearBoy2;
    v.LabelRSLporchild = v.ComboBoxPorYearBoy2;
    v.LabelRSLmachild = v.ComboBoxMaYearBoy2;
    v.LabelRSLpor = v.ComboBoxPorYearGirl2;
    v.LabelRSLma = v.ComboBoxMaYearGirl2;

    v.LabelRSLchildchong = MarriageClashCode(v.LabelRSLchild);
    v.LabelRSLchong = MarriageClashCode(v.LabelRSL);
    v.LabelRSLporchildchong = MarriageClashCode(v.LabelRSLporchild);
    v.LabelRSLmachildchong = MarriageClashCode(v.LabelRSLmachild);
    v.LabelRSLporchong = MarriageClashCode(v.LabelRSLpor);
    v.LabelRSLmachong = MarriageClashCode(v.LabelRSLma);

    v.Label_asonejorsol1 = BrideDemonMonth1(v.LabelRSL);
    v.Label_asonejorsol2 = BrideDemonMonth2(v.LabelRSL);
    v.Label_asonejorbol1 = GroomDemonMonth1(v.LabelRSL);
    v.Label_asonejorbol2 = GroomDemonMonth2(v.LabelRSL);
    v.Label_kordpormajorsol1 = BrideParentsHarmMonth1(v.LabelRSL);
    v.Label_kordpormajorsol2 = BrideParentsHarmMonth2(v.LabelRSL);
    v.Label_kordpormajorbol1 = GroomParentsHarmMonth1(v.LabelRSL);
    v.Label_kordpormajorbol2 = GroomParentsHarmMonth2(v.LabelRSL);
    v.Label_dornlarp1 = FortuneMonth1(v.LabelRSL);
    v.Label_dornlarp2 = FortuneMonth2(v.LabelRSL);
    v.Label_dornchok1 = LuckMonth1(v.LabelRSL);
    v.Label_dornchok2 = LuckMonth2(v.LabelRSL);

    v.Label_numnengkeng = ChildBranchOfStem(v.LabelRSB);
    v.Label_numnengkengchong = ChildClashOfStem(v.LabelRSB);
    v.Label_dernhorrang = DesertedChamberMonth(v.LabelRSL);
    v.Label_yarmzingbud = NoOffspringHour(v.LabelRSL);
    v.Labelpoyovjorbol = GroomBrokenMonth(v.LabelRSLchild);
    v.Labelpoyovjorsol = BrideBrokenMonth(v.LabelRSL);
    v.Labeltisolsiljorbol = GroomTisolsilMonth(v.LabelRSLchild);
    v.Labeltisolsiljorsol = BrideTisolsilMonth(v.LabelRSL);

    const auto usable = [&](const std::string& n) { return MarriageBranchVerdict(v, n) == "yes"; };
    BuildList(v.Labelusedraseeyam,
              [&](const std::string& n) { return usable(n) && MarriageHourVerdict(v, n) == "yes"; });
    BuildList(v.Labelusedraseeone, usable);
    BuildList(v.Labelusedraseedeang,
              [&](const std::string& n) { return usable(n) && MarriageMonthVerdict(v, n) == "yes"; });
    BuildList(v.Labelusedraseepee, usable);
}

}  // namespace omenary::marriage
