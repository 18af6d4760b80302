// The working values of the general omenary's tab: its inputs, the three house directions, the
// persons and the year of the work. The window shows them; the handlers below change them.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/astro/stars.h"

namespace omenary::general {

// The three house directions, top to bottom on the tab: a direction entered higher up is copied to
// the ones below it.
enum class Aspect { BackOfHome = 0, Prominent = 1, Perform = 2 };
inline constexpr std::array<Aspect, 3> kAspects = {Aspect::BackOfHome, Aspect::Prominent, Aspect::Perform};
// The part of each working value's name that names the direction ("Labelcodeaspectprominent1").
inline constexpr std::array<std::string_view, 3> kAspectSuffixes = {"backofhome", "prominent", "perform"};

// The values of one direction; each field is named as its working value is, without the direction
// ("Labelclashcodeaspect" stands for Labelclashcodeaspectbackofhome1 ... and so on).
struct AspectValues {
    std::string Editaspect;            // what the user typed
    std::string ComboBoxaspect = "0";  // the last accepted degree
    std::string Labelaspectstatus;  // "", "เป็นทิศแตกสลาย", "เป็นทิศอสูร", ...
    std::string LabelTidTodToy;                  // "" or "เป็นทิศถดถอย"
    std::string SpeedButtonDeffaspect = "45";    // step size of the plus and minus buttons
    std::array<std::string, 2> Labelcodeaspect;  // first and second branch code of the sector
    std::array<std::string, 2> Labelclashcodeaspect;
    std::array<std::string, 2> Labelevilmastercodeaspect;
    std::array<std::string, 2> Labelevilmeanscodeaspect;
    std::array<std::string, 2> Labeleviltreasurycodeaspect;
};

inline constexpr std::string_view kNoPerson = "(ไม่มี)";

struct GeneralValues {
    GeneralValues();

    std::array<AspectValues, 3> aspects;
    std::string ComboBoxperson1 = "01 = ชวด";
    std::string ComboBoxperson2 = std::string(kNoPerson);
    std::string ComboBoxBudhaYearProcess;
    bool CheckBoxPagePreview1 = true;
    bool Buttoncalculateomenary = false;  // enabled

    astro::YearOfWork year;

    // What the calculation derives for the persons and the year of the work.
    std::string Labelcodeperson1 = "Labelcodeperson1";
    std::string Labelcodeperson2 = "Labelcodeperson2";
    std::string Labelclashcodeperson1 = "Labelclashcodeperson1";
    std::string Labelclashcodeperson2 = "Labelclashcodeperson2";
    std::string labelevilreturntreasurycodeperson1 = "labelevilreturntreasurycodeperson1";
    std::string labelevilreturntreasurycodeperson2 = "labelevilreturntreasurycodeperson2";
    std::string LabelcodeYearProcess = "LabelcodeYearProcess";
    std::string LabelclashcodeYearProcess = "LabelclashcodeYearProcess";

    // The usable and unusable branches, slot 1 first; a slot is free while it holds its
    // placeholder ("labelcanused3") or its design text ("Labelcanused3").
    std::array<std::string, 12> Labelcanused;
    std::array<std::string, 12> Labelcannotused;

    // The star of the year and of the current month and the three after it.
    std::string Labelyearstar = "Labelyearstar";
    astro::MonthStars monthStars;
    // The direction of the year's five-yellow star on the last page filled.
    std::string Labelwarning5 = "Labelwarning5";

    // Scratch values of the last evaluated degree.
    std::string Label_degree = "Label_degree";
    std::string Label_zodiacbelow1 = "Label_zodiacbelow1";
    std::string Label_zodiacbelow2 = "Label_zodiacbelow2";
    std::string LabelUniversalElement = "LabelUniversalElement";
    std::string LabelRasriUniversalElement = "LabelRasriUniversalElement";

    AspectValues& operator[](Aspect a) { return aspects[static_cast<std::size_t>(a)]; }
    const AspectValues& operator[](Aspect a) const { return aspects[static_cast<std::size_t>(a)]; }
};

// The items of the two person lists.
std::vector<std::string> Person1Items();
std::vector<std::string> Person2Items();

// Every working value of the tab under its own name, in a fixed order (for the CLI and the tests).
void ForEachValue(const GeneralValues& values,
                  const std::function<void(std::string_view, const std::string&)>& visit);

}  // namespace omenary::general
