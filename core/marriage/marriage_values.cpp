#include "core/marriage/marriage_values.h"

#include "core/astro/cycles.h"

namespace omenary::marriage {

namespace {

// The four usable-branch lists as they are named.
template <typename Values>
auto UsableLists(Values& v) {
    return std::array{
        std::pair{  std::string_view("Labelusedraseeyam"),   &v.Labelusedraseeyam},
        std::pair{  std::string_view("Labelusedraseeone"),   &v.Labelusedraseeone},
        std::pair{std::string_view("Labelusedraseedeang"), &v.Labelusedraseedeang},
        std::pair{  std::string_view("Labelusedraseepee"),   &v.Labelusedraseepee}
    };
}

// Calls visit(name, field) for every value the calculation writes.
template <typename Values, typename Visit>
void VisitCalculated(Values& v, Visit&& visit) {
    visit("LabelRSB", v.LabelRSB);
    visit("LabelRSL", v.LabelRSL);
    visit("LabelRSBchild", v.LabelRSBchild);
    visit("LabelRSLchild", v.LabelRSLchild);
    visit("LabelRSLporchild", v.LabelRSLporchild);
    visit("LabelRSLmachild", v.LabelRSLmachild);
    visit("LabelRSLpor", v.LabelRSLpor);
    visit("LabelRSLma", v.LabelRSLma);
    visit("LabelRSLchildchong", v.LabelRSLchildchong);
    visit("LabelRSLchong", v.LabelRSLchong);
    visit("LabelRSLporchildchong", v.LabelRSLporchildchong);
    visit("LabelRSLmachildchong", v.LabelRSLmachildchong);
    visit("LabelRSLporchong", v.LabelRSLporchong);
    visit("LabelRSLmachong", v.LabelRSLmachong);
    visit("Label_asonejorsol1", v.Label_asonejorsol1);
    visit("Label_asonejorsol2", v.Label_asonejorsol2);
    visit("Label_asonejorbol1", v.Label_asonejorbol1);
    visit("Label_asonejorbol2", v.Label_asonejorbol2);
    visit("Label_kordpormajorsol1", v.Label_kordpormajorsol1);
    visit("Label_kordpormajorsol2", v.Label_kordpormajorsol2);
    visit("Label_kordpormajorbol1", v.Label_kordpormajorbol1);
    visit("Label_kordpormajorbol2", v.Label_kordpormajorbol2);
    visit("Label_dornlarp1", v.Label_dornlarp1);
    visit("Label_dornlarp2", v.Label_dornlarp2);
    visit("Label_dornchok1", v.Label_dornchok1);
    visit("Label_dornchok2", v.Label_dornchok2);
    visit("Label_numnengkeng", v.Label_numnengkeng);
    visit("Label_numnengkengchong", v.Label_numnengkengchong);
    visit("Label_dernhorrang", v.Label_dernhorrang);
    visit("Label_yarmzingbud", v.Label_yarmzingbud);
    visit("Labelpoyovjorbol", v.Labelpoyovjorbol);
    visit("Labelpoyovjorsol", v.Labelpoyovjorsol);
    visit("Labeltisolsiljorbol", v.Labeltisolsiljorbol);
    visit("Labeltisolsiljorsol", v.Labeltisolsiljorsol);
    for (const auto& [name, slots] : UsableLists(v))
        for (std::size_t i = 0; i < slots->size(); ++i)
            visit(std::string(name) + std::to_string(i + 1), (*slots)[i]);
}

}  // namespace

MarriageValues::MarriageValues() {
    // Until the first calculation the hidden values show their own names, as the window's design did.
    VisitCalculated(*this, [](std::string_view name, std::string& field) { field = std::string(name); });
}

BirthYearFields FieldsOf(Person person) {
    using V = MarriageValues;
    if (person == Person::Groom)
        return {&V::ComboBoxYearBoy,   &V::ComboBoxYearBoy1, &V::ComboBoxYearBoy2,  &V::ImageYearBoy1,
                &V::ImageYearBoy1Hint, &V::Imageyearboy2,    &V::Imageyearboy2Hint, &V::LabelnameYearBoy};
    return {&V::ComboBoxYearGirl,   &V::ComboBoxYearGirl1, &V::ComboBoxYearGirl2,  &V::Imageyeargirl1,
            &V::Imageyeargirl1Hint, &V::Imageyeargirl2,    &V::Imageyeargirl2Hint, &V::Labelnameyeargirl};
}

ParentFields FieldsOf(Parent parent) {
    using V = MarriageValues;
    constexpr ParentFields kFields[] = {
        { &V::ComboBoxPorYearBoy,  &V::ComboBoxPorYearBoy2},
        {  &V::ComboBoxMaYearBoy,   &V::ComboBoxMaYearBoy2},
        {&V::ComboBoxPorYearGirl, &V::ComboBoxPorYearGirl2},
        { &V::ComboBoxMaYearGirl,  &V::ComboBoxMaYearGirl2},
    };
    return kFields[static_cast<std::size_t>(parent)];
}

std::vector<std::string> ParentItems() {
    std::vector<std::string> items = {""};
    const auto branches = astro::BranchListItems();
    items.insert(items.end(), branches.begin(), branches.end());
    return items;
}

void ForEachInputText(const MarriageValues& values,
                      const std::function<void(std::string_view, const std::string&)>& visit) {
    visit("ComboBoxYearBoy", values.ComboBoxYearBoy);
    visit("ComboBoxYearGirl", values.ComboBoxYearGirl);
    visit("ComboBoxPorYearBoy", values.ComboBoxPorYearBoy);
    visit("ComboBoxMaYearBoy", values.ComboBoxMaYearBoy);
    visit("ComboBoxPorYearGirl", values.ComboBoxPorYearGirl);
    visit("ComboBoxMaYearGirl", values.ComboBoxMaYearGirl);
}

void ForEachValue(const MarriageValues& values,
                  const std::function<void(std::string_view, const std::string&)>& visit) {
    ForEachInputText(values, visit);
    visit("ComboBoxYearBoy1", values.ComboBoxYearBoy1);
    visit("ComboBoxYearBoy2", values.ComboBoxYearBoy2);
    visit("ComboBoxYearGirl1", values.ComboBoxYearGirl1);
    visit("ComboBoxYearGirl2", values.ComboBoxYearGirl2);
    visit("ComboBoxPorYearBoy2", values.ComboBoxPorYearBoy2);
    visit("ComboBoxMaYearBoy2", values.ComboBoxMaYearBoy2);
    visit("ComboBoxPorYearGirl2", values.ComboBoxPorYearGirl2);
    visit("ComboBoxMaYearGirl2", values.ComboBoxMaYearGirl2);
    visit("ImageYearBoy1", values.ImageYearBoy1);
    visit("ImageYearBoy1Hint", values.ImageYearBoy1Hint);
    visit("Imageyearboy2", values.Imageyearboy2);
    visit("Imageyearboy2Hint", values.Imageyearboy2Hint);
    visit("LabelnameYearBoy", values.LabelnameYearBoy);
    visit("Imageyeargirl1", values.Imageyeargirl1);
    visit("Imageyeargirl1Hint", values.Imageyeargirl1Hint);
    visit("Imageyeargirl2", values.Imageyeargirl2);
    visit("Imageyeargirl2Hint", values.Imageyeargirl2Hint);
    visit("Labelnameyeargirl", values.Labelnameyeargirl);
    VisitCalculated(values, visit);
}

}  // namespace omenary::marriage
