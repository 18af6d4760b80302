#include "core/shell/omenary.h"

#include <algorithm>
#include <set>

#include "core/astro/cycles.h"
#include "core/common/text.h"
#include "core/general/tab_handlers.h"
#include "core/marriage/tab_handlers.h"

namespace omenary::shell {

namespace {

// Shows each text once: groom and bride default to one year, so a glyph missing for one is missing
// for both, and one box says so.
class OnceMessages final : public platform::Messages {
  public:
    explicit OnceMessages(platform::Messages& shown) : shown_(shown) {}
    void Show(platform::MessageIcon icon, std::string_view text) override {
        if (said_.emplace(text).second) shown_.Show(icon, text);
    }
    bool Ask(std::string_view text) override { return shown_.Ask(text); }
    bool Confirm(std::string_view text) override { return shown_.Confirm(text); }
    void Beep() override { shown_.Beep(); }

  private:
    platform::Messages& shown_;
    std::set<std::string> said_;
};

// A default year the lists do not hold becomes the nearest year they do (the items are years in
// ascending order, as the calendar index writes them).
std::string IntoYearList(int year, const std::vector<std::string>& items) {
    if (items.empty()) return std::to_string(year);
    const auto first = ParseDigits(items.front()), last = ParseDigits(items.back());
    if (first && last) year = static_cast<int>(std::clamp<long long>(year, *first, *last));
    return std::to_string(year);
}

}  // namespace

Omenary::Omenary(Environment environment)
    : environment_(std::move(environment)),
      // Without a settings folder the program runs without settings: never into the data folder.
      settings_(environment_.settingsInMemory
                    ? platform::Settings::InMemory(environment_.messages)
                    : platform::Settings(environment_.windowsDirectory.empty()
                                             ? std::filesystem::path()
                                             : environment_.windowsDirectory / kSettingsFileName,
                                         environment_.messages)) {}

Activation Omenary::FormActivate() {
    settings_.Write("Application", "Run", "True");
    // Both options are read before either box changes: ticking one writes both back.
    shell.labellandscape = settings_.Read("Options", "Landscape");
    shell.Labelcenteronpage = settings_.Read("Options", "CenterOnPage");
    if (shell.labellandscape == "True" && !coin.pageOptions.CheckBoxLandscape) {
        coin.pageOptions.CheckBoxLandscape = true;
        coin::CheckBoxLandscapeClick(coin.pageOptions, settings_);
    }
    if (shell.Labelcenteronpage == "True" && !coin.pageOptions.CheckBoxCenterOnPage) {
        coin.pageOptions.CheckBoxCenterOnPage = true;
        coin::CheckBoxLandscapeClick(coin.pageOptions, settings_);
    }
    coin::ShowPageSetupPicture(coin.pageOptions);
    settings_.Write("DIR", "Current", environment_.workingDirectory.string());

    if (shell.LabelFirstStart != "Yes") return Activation::Done;
    shell.LabelNotice2 = shell.LabelNotice1;
    shell.LabelNotice3 = shell.LabelNotice1;
    for (general::AspectValues& aspect : general.aspects)
        aspect.Labelaspectstatus.clear();
    if (!LoadCalendarIndex()) {
        // Which folders were searched and what was missing, so the user can put the data there.
        environment_.messages.Show(platform::MessageIcon::Error,
                                   std::string(kStartFailure) + "\n\n" + startFailureReason_);
        return Activation::StartFailed;
    }
    // A glyph picture that cannot be shown is reported and the start goes on without it: running
    // the start again at the next activation would only show the same box again.
    SetFirstStartDefaults();
    shell.LabelFirstStart = "No";
    return Activation::Done;
}

void Omenary::FormClose() {
    extras::DeleteSiblingBatchFile(environment_.windowsDirectory);
    settings_.Write("Application", "Run", "False");
}

coin::SearchContext Omenary::CoinSearch(report::CalculationView& view) {
    return {shell.calendarIndex ? &*shell.calendarIndex : nullptr, environment_.workingDirectory,
            environment_.messages, view, environment_.dataFilesMapped};
}

bool Omenary::LoadCalendarIndex() {
    calendar::IndexLoad load =
        calendar::LoadCalendarIndex(environment_.workingDirectory, environment_.windowsDirectory);
    if (!load.index) {
        startFailureReason_ = load.failure;
        return false;
    }
    shell.yearItems = load.index->YearListItems();
    shell.calendarIndex = std::move(load.index);
    return true;
}

void Omenary::SetFirstStartDefaults() {
    const platform::Date today = environment_.clock.Today();
    const int year = platform::BuddhistEraYear(today.year);
    coin.ComboBoxYY = IntoYearList(year, shell.yearItems);
    general.ComboBoxBudhaYearProcess = coin.ComboBoxYY;
    marriage.ComboBoxYearBoy = IntoYearList(year - 30, shell.yearItems);
    marriage.ComboBoxYearGirl = marriage.ComboBoxYearBoy;
    // The year of the work is one update here, its codes and its evil codes together, so it comes
    // before the glyphs and is complete even when a glyph stops the first start.
    general::DeriveYearOfWorkValues(general);
    OnceMessages once(environment_.messages);
    for (const marriage::Person person : {marriage::Person::Groom, marriage::Person::Bride})
        marriage::BirthYearUpdate(marriage, person, environment_.pictures, once);
    coin.ComboBoxMM = astro::MonthListItem(TwoDigits(today.month));
    coin.ComboBoxDD = TwoDigits(today.day);
}

void ForEachValue(const Omenary& logic, Tab tab,
                  const std::function<void(std::string_view, const std::string&)>& visit) {
    visit("LabelFirstStart", logic.shell.LabelFirstStart);
    visit("labellandscape", logic.shell.labellandscape);
    visit("Labelcenteronpage", logic.shell.Labelcenteronpage);
    if (tab != Tab::Coin) {
        visit("LabelCurrentDataCalendar", logic.coin.LabelCurrentDataCalendar);
        visit("ComboBoxYY", logic.coin.ComboBoxYY);
        visit("ComboBoxMM", logic.coin.ComboBoxMM);
        visit("ComboBoxDD", logic.coin.ComboBoxDD);
    }
    visit("LabelNotice1", logic.shell.LabelNotice1);
    visit("LabelNotice2", logic.shell.LabelNotice2);
    visit("LabelNotice3", logic.shell.LabelNotice3);
    if (tab != Tab::Marriage) marriage::ForEachInputText(logic.marriage, visit);
    switch (tab) {
        case Tab::General:
            general::ForEachValue(logic.general, visit);
            break;
        case Tab::Marriage:
            marriage::ForEachValue(logic.marriage, visit);
            break;
        case Tab::Coin:
            coin::ForEachValue(logic.coin, visit);
            break;
    }
}

}  // namespace omenary::shell
