// The working values of the marriage omenary's tab: the birth years of the groom and the bride with
// their stem and branch, the branches of their living parents, and everything the calculation
// derives from them. The window shows them; the handlers change them.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace omenary::marriage {

inline constexpr std::string_view kBirthYearCaption = "ปีเกิด";

struct MarriageValues {
    MarriageValues();

    // The inputs as they stand: the two year lists and the four parent lists.
    std::string ComboBoxYearBoy;
    std::string ComboBoxYearGirl;
    std::string ComboBoxPorYearBoy;
    std::string ComboBoxMaYearBoy;
    std::string ComboBoxPorYearGirl;
    std::string ComboBoxMaYearGirl;
    bool CheckBoxPagePreview2 = true;

    // Stem and branch codes of the groom's and the bride's year; a parent's branch, "0" for none.
    std::string ComboBoxYearBoy1 = "1";
    std::string ComboBoxYearBoy2 = "1";
    std::string ComboBoxYearGirl1 = "1";
    std::string ComboBoxYearGirl2 = "1";
    std::string ComboBoxPorYearBoy2 = "0";
    std::string ComboBoxMaYearBoy2 = "0";
    std::string ComboBoxPorYearGirl2 = "0";
    std::string ComboBoxMaYearGirl2 = "0";

    // The pair of each year beside its list: glyph pictures (file names the tab loads), their hints
    // and the branch's Thai name.
    std::string ImageYearBoy1;
    std::string ImageYearBoy1Hint;
    std::string Imageyearboy2;
    std::string Imageyearboy2Hint;
    std::string LabelnameYearBoy = std::string(kBirthYearCaption);
    std::string Imageyeargirl1;
    std::string Imageyeargirl1Hint;
    std::string Imageyeargirl2;
    std::string Imageyeargirl2Hint;
    std::string Labelnameyeargirl = std::string(kBirthYearCaption);

    // The calculation's copies of the person codes.
    std::string LabelRSB;          // bride's stem
    std::string LabelRSL;          // bride's branch
    std::string LabelRSBchild;     // groom's stem
    std::string LabelRSLchild;     // groom's branch
    std::string LabelRSLporchild;  // groom's father
    std::string LabelRSLmachild;   // groom's mother
    std::string LabelRSLpor;       // bride's father
    std::string LabelRSLma;        // bride's mother

    // Forbidden branches: the clash of each person ("0" for a parent not entered).
    std::string LabelRSLchildchong;
    std::string LabelRSLchong;
    std::string LabelRSLporchildchong;
    std::string LabelRSLmachildchong;
    std::string LabelRSLporchong;
    std::string LabelRSLmachong;

    // Months and the hour from the bride's branch, the child from her stem, the broken and
    // ทิเซ้าซิ่ว months of each.
    std::string Label_asonejorsol1;
    std::string Label_asonejorsol2;
    std::string Label_asonejorbol1;
    std::string Label_asonejorbol2;
    std::string Label_kordpormajorsol1;
    std::string Label_kordpormajorsol2;
    std::string Label_kordpormajorbol1;
    std::string Label_kordpormajorbol2;
    std::string Label_dornlarp1;
    std::string Label_dornlarp2;
    std::string Label_dornchok1;
    std::string Label_dornchok2;
    std::string Label_numnengkeng;
    std::string Label_numnengkengchong;
    std::string Label_dernhorrang;
    std::string Label_yarmzingbud;
    std::string Labelpoyovjorbol;
    std::string Labelpoyovjorsol;
    std::string Labeltisolsiljorbol;
    std::string Labeltisolsiljorsol;

    // The usable branches for the hour, day, month and year of the wedding, slot 1 first; an empty
    // slot is unused.
    std::array<std::string, 12> Labelusedraseeyam;
    std::array<std::string, 12> Labelusedraseeone;
    std::array<std::string, 12> Labelusedraseedeang;
    std::array<std::string, 12> Labelusedraseepee;
};

// The groom's or the bride's year and what the tab shows of it.
enum class Person { Groom, Bride };

struct BirthYearFields {
    std::string MarriageValues::*ComboBoxYear;  // the list's text
    std::string MarriageValues::*stem;
    std::string MarriageValues::*branch;
    std::string MarriageValues::*stemPicture;
    std::string MarriageValues::*stemHint;
    std::string MarriageValues::*branchPicture;
    std::string MarriageValues::*branchHint;
    std::string MarriageValues::*name;
};
BirthYearFields FieldsOf(Person person);

// The four parents, top to bottom on the tab.
enum class Parent { GroomFather, GroomMother, BrideFather, BrideMother };
inline constexpr std::array<Parent, 4> kParents = {Parent::GroomFather, Parent::GroomMother,
                                                   Parent::BrideFather, Parent::BrideMother};

struct ParentFields {
    std::string MarriageValues::*list;  // the list's text
    std::string MarriageValues::*code;  // its branch code, "0" for none
};
ParentFields FieldsOf(Parent parent);

// The thirteen items of a parent list: the empty item, then "01 = ชวด" ... "12 = กุน".
std::vector<std::string> ParentItems();

// The texts of the six lists under their names, which every command line run reports.
void ForEachInputText(const MarriageValues& values,
                      const std::function<void(std::string_view, const std::string&)>& visit);

// Every working value of the tab under its own name, in a fixed order (for the CLI and the tests).
void ForEachValue(const MarriageValues& values,
                  const std::function<void(std::string_view, const std::string&)>& visit);

}  // namespace omenary::marriage
