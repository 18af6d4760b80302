#include "core/general/general_values.h"

#include "core/astro/cycles.h"

namespace omenary::general {

namespace {

// Calls visit(name, field) for every value of one direction, named as the window names it.
template <typename Values, typename Visit>
void VisitAspect(Values& a, std::string_view aspect, Visit&& visit) {
    const auto with = [&](std::string_view prefix, auto& field, std::string_view suffix = {}) {
        std::string name(prefix);
        name.append(aspect).append(suffix);
        visit(std::string_view(name), field);
    };
    with("Editaspect", a.Editaspect);
    with("ComboBoxaspect", a.ComboBoxaspect);
    with("Labelaspect", a.Labelaspectstatus, "status");
    with("LabelTidTodToy", a.LabelTidTodToy);
    with("SpeedButtonDeffaspect", a.SpeedButtonDeffaspect);
    for (std::size_t k = 0; k < 2; ++k) {
        const std::string_view row = k == 0 ? "1" : "2";
        with("Labelcodeaspect", a.Labelcodeaspect[k], row);
        with("Labelclashcodeaspect", a.Labelclashcodeaspect[k], row);
        with("Labelevilmastercodeaspect", a.Labelevilmastercodeaspect[k], row);
        with("Labelevilmeanscodeaspect", a.Labelevilmeanscodeaspect[k], row);
        with("Labeleviltreasurycodeaspect", a.Labeleviltreasurycodeaspect[k], row);
    }
}

template <typename Year, typename Visit>
void VisitYear(Year& y, Visit&& visit) {
    visit("LabelRasibonYearProcess", y.LabelRasibonYearProcess);
    visit("LabelRasirangYearProcess", y.LabelRasirangYearProcess);
    visit("ComboBoxYearProcess", y.ComboBoxYearProcess);
    visit("Labelchongyear", y.Labelchongyear);
    visit("Labelevilyeartreasury", y.Labelevilyeartreasury);
    visit("Labelevilyearmaster", y.Labelevilyearmaster);
    visit("Labelevilyearmeans", y.Labelevilyearmeans);
    visit("LabelTidTodToy", y.LabelTidTodToy);
}

template <typename Stars, typename Visit>
void VisitMonthStars(Stars& s, Visit&& visit) {
    visit("Labelmonthstar1", s.Labelmonthstar1);
    visit("Labelmonthstar2", s.Labelmonthstar2);
    visit("Labelmonthstar3", s.Labelmonthstar3);
    visit("Labelmonthstar4", s.Labelmonthstar4);
    visit("Labelnextmonthstar1", s.Labelnextmonthstar1);
    visit("Labelnextmonthstar2", s.Labelnextmonthstar2);
    visit("Labelnextmonthstar3", s.Labelnextmonthstar3);
}

}  // namespace

GeneralValues::GeneralValues() {
    // Hidden values show their own names until a step first writes them, as the window's design did.
    const auto placeholder = [](std::string_view name, std::string& field) {
        if (name.starts_with("Label")) field = std::string(name);
    };
    for (const Aspect a : kAspects)
        VisitAspect((*this)[a], kAspectSuffixes[static_cast<std::size_t>(a)], placeholder);
    VisitYear(year, placeholder);
    VisitMonthStars(monthStars, placeholder);
    for (std::size_t i = 0; i < 12; ++i) {
        Labelcanused[i] = "Labelcanused" + std::to_string(i + 1);
        Labelcannotused[i] = "Labelcannotused" + std::to_string(i + 1);
    }
}

std::vector<std::string> Person1Items() {
    const auto items = astro::BranchListItems();
    return {items.begin(), items.end()};
}

std::vector<std::string> Person2Items() {
    std::vector<std::string> items = {std::string(kNoPerson), ""};
    const auto branches = astro::BranchListItems();
    items.insert(items.end(), branches.begin(), branches.end());
    return items;
}

void ForEachValue(const GeneralValues& values,
                  const std::function<void(std::string_view, const std::string&)>& visit) {
    for (const Aspect a : kAspects)
        VisitAspect(values[a], kAspectSuffixes[static_cast<std::size_t>(a)], visit);
    visit("ComboBoxperson1", values.ComboBoxperson1);
    visit("ComboBoxperson2", values.ComboBoxperson2);
    visit("ComboBoxBudhaYearProcess", values.ComboBoxBudhaYearProcess);
    VisitYear(values.year, visit);
    visit("Labelcodeperson1", values.Labelcodeperson1);
    visit("Labelcodeperson2", values.Labelcodeperson2);
    visit("Labelclashcodeperson1", values.Labelclashcodeperson1);
    visit("Labelclashcodeperson2", values.Labelclashcodeperson2);
    visit("labelevilreturntreasurycodeperson1", values.labelevilreturntreasurycodeperson1);
    visit("labelevilreturntreasurycodeperson2", values.labelevilreturntreasurycodeperson2);
    visit("LabelcodeYearProcess", values.LabelcodeYearProcess);
    visit("LabelclashcodeYearProcess", values.LabelclashcodeYearProcess);
    for (std::size_t i = 0; i < 12; ++i)
        visit("Labelcanused" + std::to_string(i + 1), values.Labelcanused[i]);
    for (std::size_t i = 0; i < 12; ++i)
        visit("Labelcannotused" + std::to_string(i + 1), values.Labelcannotused[i]);
    visit("Labelyearstar", values.Labelyearstar);
    VisitMonthStars(values.monthStars, visit);
    visit("Labelwarning5", values.Labelwarning5);
    visit("Label_degree", values.Label_degree);
    visit("Label_zodiacbelow1", values.Label_zodiacbelow1);
    visit("Label_zodiacbelow2", values.Label_zodiacbelow2);
    visit("LabelUniversalElement", values.LabelUniversalElement);
    visit("LabelRasriUniversalElement", values.LabelRasriUniversalElement);
}

}  // namespace omenary::general
