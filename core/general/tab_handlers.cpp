#include "core/general/tab_handlers.h"

#include <algorithm>
#include <span>

#include "core/astro/compass.h"
#include "core/astro/cycles.h"
#include "core/common/text.h"

namespace omenary::general {

namespace {

// The directions from the given one down to the act.
std::span<const Aspect> FromDown(Aspect first) {
    return std::span<const Aspect>(kAspects).subspan(static_cast<std::size_t>(first));
}

}  // namespace

void EvaluateAspect(GeneralValues& values, Aspect aspect) {
    AspectValues& a = values[aspect];
    const astro::AspectEvaluation result = astro::AspectStatus(a.ComboBoxaspect, values.year);
    values.Label_degree = a.ComboBoxaspect;
    values.Label_zodiacbelow1 = result.codes.Label_zodiacbelow1;
    values.Label_zodiacbelow2 = result.codes.Label_zodiacbelow2;
    a.Labelcodeaspect[0] = result.codes.Label_zodiacbelow1;
    a.Labelaspectstatus = result.status;
    a.LabelTidTodToy = result.declining;
}

Leave EditaspectExit(GeneralValues& values, Aspect aspect) {
    AspectValues& a = values[aspect];
    if (a.Editaspect.empty()) a.Editaspect = "0";
    a.Labelaspectstatus.clear();
    for (const Aspect below : FromDown(aspect))
        values[below].LabelTidTodToy.clear();
    if (!astro::IsAllowedDegree(a.Editaspect)) return Leave::Refused;
    for (const Aspect below : FromDown(aspect)) {
        values[below].ComboBoxaspect = a.Editaspect;
        values[below].Editaspect = a.Editaspect;
    }
    for (const Aspect below : FromDown(aspect))
        EvaluateAspect(values, below);
    if (aspect == Aspect::BackOfHome) values.Buttoncalculateomenary = true;
    return Leave::Accepted;
}

void SpeedButtonStepClick(GeneralValues& values, Aspect aspect, bool up, platform::Messages& messages) {
    AspectValues& a = values[aspect];
    const auto stepped = up ? astro::StepDegreeUp(a.Editaspect, a.SpeedButtonDeffaspect)
                            : astro::StepDegreeDown(a.Editaspect, a.SpeedButtonDeffaspect);
    if (!stepped) {
        messages.Beep();
        return;
    }
    for (const Aspect below : FromDown(aspect))
        values[below].Editaspect = *stepped;
    if (aspect == Aspect::BackOfHome) values.Buttoncalculateomenary = true;
}

void SpeedButtonDeffClick(GeneralValues& values, Aspect aspect) {
    AspectValues& a = values[aspect];
    a.SpeedButtonDeffaspect = astro::NextStepSize(a.SpeedButtonDeffaspect);
}

Leave ComboBoxperson1Exit(const GeneralValues& values) {
    return IsListItem(Person1Items(), values.ComboBoxperson1) ? Leave::Accepted : Leave::Refused;
}

Leave ComboBoxperson2Exit(const GeneralValues& values) {
    return IsListItem(Person2Items(), values.ComboBoxperson2) ? Leave::Accepted : Leave::Refused;
}

void DeriveYearOfWorkValues(GeneralValues& values) {
    if (!astro::YearHasCodes(values.ComboBoxBudhaYearProcess)) return;
    astro::DeriveYearOfWork(static_cast<int>(*ParseDigits(values.ComboBoxBudhaYearProcess)), values.year);
}

Leave YearOfWorkUpdate(GeneralValues& values, const std::vector<std::string>& yearItems,
                       platform::Messages& messages) {
    if (!IsListItem(yearItems, values.ComboBoxBudhaYearProcess)) return Leave::Refused;
    if (platform::ShowRefusal(astro::YearWithoutCodesRefusal(values.ComboBoxBudhaYearProcess), messages))
        return Leave::Refused;
    DeriveYearOfWorkValues(values);
    for (const Aspect aspect : kAspects)
        EvaluateAspect(values, aspect);
    return Leave::Accepted;
}

}  // namespace omenary::general
