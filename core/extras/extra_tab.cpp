#include "core/extras/extra_tab.h"

#include "core/platform/files.h"

namespace omenary::extras {

void OpenTextNote(const TextNote& note, const std::filesystem::path& workingDirectory,
                  platform::ShellOpen& shell, platform::Messages& messages) {
    const auto refused = [&messages] { messages.Show(platform::MessageIcon::Error, kOpenFailure); };
    const auto file = platform::FindIgnoringCase(workingDirectory, note.file);
    if (!file || !shell.Open(*file, refused)) refused();
}

}  // namespace omenary::extras
