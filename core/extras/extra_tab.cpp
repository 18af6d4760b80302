#include "core/extras/extra_tab.h"

#include "core/platform/files.h"

namespace omenary::extras {

void OpenTextNote(const TextNote& note, const std::filesystem::path& workingDirectory,
                  platform::ShellOpen& shell, platform::Messages& messages) {
    const auto file = platform::FindIgnoringCase(workingDirectory, note.file);
    if (!file || !shell.Open(*file)) messages.Show(platform::MessageIcon::Error, kOpenFailure);
}

}  // namespace omenary::extras
