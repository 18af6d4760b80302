#include "core/general/calculation.h"

#include "core/astro/compass.h"
#include "core/astro/cycles.h"
#include "core/astro/relations.h"
#include "core/common/text.h"

namespace omenary::general {

namespace {

bool SlotIsFree(const std::string& slot, const std::string& placeholder) {
    return ToLowerAscii(slot) == placeholder;
}

void AddToList(std::array<std::string, 12>& slots, std::string_view placeholder, int n) {
    for (std::size_t i = 0; i < slots.size(); ++i) {
        if (!SlotIsFree(slots[i], std::string(placeholder) + std::to_string(i + 1))) continue;
        slots[i] = std::to_string(n);
        return;
    }
}

void DeriveAspectCodes(GeneralValues& values, Aspect aspect) {
    AspectValues& a = values[aspect];
    const astro::BranchCodes codes = astro::DegreeToBranchCodes(a.ComboBoxaspect);
    const astro::UniversalElement element = astro::UniversalElementOfDegree(a.ComboBoxaspect);
    values.Label_degree = a.ComboBoxaspect;
    values.Label_zodiacbelow1 = codes.Label_zodiacbelow1;
    values.Label_zodiacbelow2 = codes.Label_zodiacbelow2;
    values.LabelUniversalElement = element.LabelUniversalElement;
    values.LabelRasriUniversalElement = element.LabelRasriUniversalElement;
    a.Labelcodeaspect = {codes.Label_zodiacbelow1, codes.Label_zodiacbelow2};
    for (std::size_t k = 0; k < 2; ++k) {
        a.Labelclashcodeaspect[k] = astro::ClashCode(a.Labelcodeaspect[k]);
        a.Labelevilmastercodeaspect[k] = astro::EvilMasterCode(a.Labelcodeaspect[k]);
        a.Labelevilmeanscodeaspect[k] = astro::EvilMeansCode(a.Labelcodeaspect[k]);
        a.Labeleviltreasurycodeaspect[k] = astro::EvilTreasuryCode(a.Labelcodeaspect[k]);
    }
}

}  // namespace

bool InWideZoneWindow(std::string_view degree) {
    const auto x = ParseDecimal(degree);
    return x && ((*x >= 135.6 && *x <= 142.5) || (*x >= 315.6 && *x <= 322.5));
}

std::string UsableBranchVerdict(const GeneralValues& values, int n) {
    const std::string c = std::to_string(n);
    std::string verdict = "yes";
    const auto no = [&](const std::string& code) {
        if (code == c) verdict = "no";
    };
    for (const AspectValues& a : values.aspects) {
        no(a.Labelclashcodeaspect[0]);
        if (InWideZoneWindow(a.Editaspect)) verdict = "yes";
        no(a.Labelevilmastercodeaspect[0]);
        no(a.Labelevilmeanscodeaspect[0]);
        no(a.Labeleviltreasurycodeaspect[0]);
        no(a.Labelclashcodeaspect[1]);
        no(a.Labelevilmastercodeaspect[1]);
        no(a.Labelevilmeanscodeaspect[1]);
        no(a.Labeleviltreasurycodeaspect[1]);
    }
    no(values.Labelclashcodeperson1);
    no(values.Labelclashcodeperson2);
    no(values.LabelclashcodeYearProcess);
    return verdict;
}

void AddUsableBranch(GeneralValues& values, int n) {
    AddToList(values.Labelcanused, "labelcanused", n);
}
void AddUnusableBranch(GeneralValues& values, int n) {
    AddToList(values.Labelcannotused, "labelcannotused", n);
}

std::string BareBranchName(const std::string& listText) {
    for (int n = 1; n <= 12; ++n)
        if (listText == astro::BranchListItem(std::to_string(n)))
            return astro::BranchNameOfCode(std::to_string(n));
    return listText;
}

PersonTexts CalculateGeneralOmenary(GeneralValues& values, int currentMonth) {
    const PersonTexts remembered{values.ComboBoxperson1, values.ComboBoxperson2};
    values.ComboBoxperson1 = BareBranchName(values.ComboBoxperson1);
    values.ComboBoxperson2 = BareBranchName(values.ComboBoxperson2);

    values.Labelcodeperson1 = astro::BranchCodeOfName(values.ComboBoxperson1);
    values.Labelclashcodeperson1 = astro::ClashCode(values.Labelcodeperson1);
    values.labelevilreturntreasurycodeperson1 = astro::EvilYearTreasuryCode(values.Labelcodeperson1);
    values.Labelcodeperson2 = astro::BranchCodeOfName(values.ComboBoxperson2);
    values.Labelclashcodeperson2 = astro::ClashCode(values.Labelcodeperson2);
    values.labelevilreturntreasurycodeperson2 = astro::EvilYearTreasuryCode(values.Labelcodeperson2);

    values.LabelcodeYearProcess = astro::BranchCodeOfName(values.year.ComboBoxYearProcess);
    values.LabelclashcodeYearProcess = astro::ClashCode(values.LabelcodeYearProcess);

    for (const Aspect aspect : kAspects)
        DeriveAspectCodes(values, aspect);

    for (std::size_t i = 0; i < 12; ++i) {
        values.Labelcanused[i] = "labelcanused" + std::to_string(i + 1);
        values.Labelcannotused[i] = "labelcannotused" + std::to_string(i + 1);
    }
    for (int n = 1; n <= 12; ++n) {
        if (ToLowerAscii(UsableBranchVerdict(values, n)) == "yes") {
            AddUsableBranch(values, n);
        } else {
            AddUnusableBranch(values, n);
        }
    }

    values.Labelyearstar = astro::YearStarRule(values.ComboBoxBudhaYearProcess, currentMonth);
    values.monthStars = astro::MonthStarRule(values.year.ComboBoxYearProcess, currentMonth);
    return remembered;
}

void RestorePersonTexts(GeneralValues& values, const PersonTexts& texts) {
    values.ComboBoxperson1 = texts.ComboBoxperson1;
    values.ComboBoxperson2 = texts.ComboBoxperson2;
}

}  // namespace omenary::general
