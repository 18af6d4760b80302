// The updater of the sibling program: replaces the sibling's program file in its folder by the copy
// on its update source, both named in the sibling's settings file "morvit.ini" in the settings
// folder. It writes nothing outside the sibling's folder, and the old program stays until the new
// copy is whole beside it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/messages.h"
#include "core/platform/profile.h"

namespace omenary::extras {

inline constexpr std::string_view kSiblingSettingsFileName = "morvit.ini";
inline constexpr std::string_view kSiblingBatchFileName = "atmorvit.bat";
inline constexpr std::string_view kSiblingProgramName = "MORVIT.exe";
inline constexpr std::string_view kUpdateFolderName = "UpdateMORVIT292";
inline constexpr std::string_view kUpdateProgramName = "MORVIT.EXE";

// `LabelUpdateStatus` texts.
inline constexpr std::string_view kDeleted = "Deleted Complete";
inline constexpr std::string_view kNotDeleted = "Application not Delete";
inline constexpr std::string_view kUpdated = "Update Complete";
inline constexpr std::string_view kNotUpdated = "Application not Update";

struct UpdaterValues {
    std::string LabelUpdateStatus;         // the last status of the last run; empty at start
    std::vector<std::string> MemoBATfile;  // the lines of the batch file last written
};

// "morvit.ini" in the settings folder, its name matched ignoring letter case; nothing without it.
std::optional<platform::ProfileFile> SiblingSettings(const std::filesystem::path& windowsDirectory);

// A folder as the sibling's settings file stores it, backslashes read as separators. Nothing when
// the text is empty, not a full path, or climbs with "..".
std::optional<std::filesystem::path> StoredFolder(std::string_view text);

// The three lines of the batch file for the sibling's program file.
std::vector<std::string> BatchLines(const std::filesystem::path& program);

// `BitBtnFile4Click`. Returns this run's statuses in order, the last of which `LabelUpdateStatus`
// keeps: "Deleted Complete" then "Update Complete" when an old program was replaced, "Update
// Complete" alone when there was none, "Application not Update" (after "Application not Delete"
// when the old program could not be replaced) with every file as it was otherwise. Ends with the
// beep. Without "morvit.ini" nothing happens and nothing is returned.
std::vector<std::string_view> BitBtnFile4Click(UpdaterValues& values,
                                               const std::filesystem::path& windowsDirectory,
                                               platform::Messages& messages);

// At close: removes the batch file from the sibling's folder, if the sibling names one and the file
// is there. Nothing is reported.
void DeleteSiblingBatchFile(const std::filesystem::path& windowsDirectory);

}  // namespace omenary::extras
