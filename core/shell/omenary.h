// The main window's own logic: every activation, the first start, the close, and the working values
// the window owns. The window forwards its events here and shows the values; it decides nothing.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/index.h"
#include "core/coin/coin_values.h"
#include "core/coin/search.h"
#include "core/extras/updater.h"
#include "core/general/general_values.h"
#include "core/marriage/marriage_values.h"
#include "core/platform/clock.h"
#include "core/platform/messages.h"
#include "core/platform/pictures.h"
#include "core/platform/settings.h"

namespace omenary::shell {

inline constexpr std::string_view kSettingsFileName = "MorvitOmenary.ini";
inline constexpr std::string_view kStartFailure = "โปรแกรมไม่สามารถทำงานได้";
inline constexpr std::string_view kNotice = "MORVIT - Omenary 2.88.0";

// What the program takes from its surroundings.
struct Environment {
    platform::Messages& messages;
    const platform::Clock& clock;
    std::filesystem::path workingDirectory;
    std::filesystem::path windowsDirectory;
    // The glyph pictures the first start shows on the marriage tab.
    const platform::PictureFiles& pictures;
    // Settings kept for the run only, in memory (a command-line run): no file is read or written.
    bool settingsInMemory = false;
    // Large data files mapped rather than copied (a command-line run, done within moments).
    bool dataFilesMapped = false;
};

struct ShellValues {
    std::string LabelFirstStart = "Yes";
    std::string labellandscape;
    std::string Labelcenteronpage;
    // The calendar index, loaded at first start; its lines are `MemoHoroscopeINI`.
    std::optional<calendar::CalendarIndex> calendarIndex;
    // The items of the four year lists (their edit texts are their tabs').
    std::vector<std::string> yearItems;
    // The notice labels at the bottom of tabs 1, 2 and 3.
    std::string LabelNotice1 = std::string(kNotice);
    std::string LabelNotice2;
    std::string LabelNotice3;
};

enum class Activation { Done, StartFailed };

class Omenary {
  public:
    explicit Omenary(Environment environment);

    ShellValues shell;
    general::GeneralValues general;
    marriage::MarriageValues marriage;
    coin::CoinValues coin;
    extras::UpdaterValues extras;

    // Every activation of the main window; the first one also starts the program up. StartFailed:
    // the start-up failure was shown and the window must close (the program then ends with status 1).
    Activation FormActivate();
    // Whatever closed the main window.
    void FormClose();

    platform::Settings& Settings() { return settings_; }
    // What the coin tab's search needs: the loaded index, the working directory, the messages, and
    // the window's hourglass.
    coin::SearchContext CoinSearch(report::CalculationView& view);
    // Why the first start failed, in words for the command line; empty when it did not.
    const std::string& StartFailureReason() const { return startFailureReason_; }
    const Environment& Env() const { return environment_; }

  private:
    bool LoadCalendarIndex();
    // A glyph picture that cannot be shown is reported once; the other defaults are set all the same.
    void SetFirstStartDefaults();

    Environment environment_;
    platform::Settings settings_;
    std::string startFailureReason_;
};

// The tabs that compute an omenary.
enum class Tab { General, Marriage, Coin };

// Every value a run of the tab reports, under its own name (for the CLI and the tests): the shell's
// own values with the input texts the other tabs hold (the coin tab's start date and the calendar
// file it loaded, the marriage tab's six lists), then every working value of the tab itself.
void ForEachValue(const Omenary& logic, Tab tab,
                  const std::function<void(std::string_view, const std::string&)>& visit);

}  // namespace omenary::shell
