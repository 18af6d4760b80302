#include "core/extras/updater.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <functional>
#include <system_error>

#include "core/platform/file_set.h"
#include "core/platform/files.h"

namespace omenary::extras {

namespace fs = std::filesystem;

namespace {

// Closes a file descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    // Closes now; false when the close reports a failed write.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

enum class Replace { Done, NotWritten, NotReplaced };

// Fills a new file beside the target, then renames it over the target in one step, so whatever
// stood there stays whole until the new file is complete, and no new file is left when a step
// fails. The rename replaces a link of that name itself, never what it points to. What killed runs
// left beside the target goes first.
Replace ReplaceFile(const fs::path& target, mode_t mode, const std::function<bool(int)>& fill) {
    std::string name;
    Descriptor out(platform::CreateTemporaryBeside(target, &name));
    if (out.Get() < 0) return Replace::NotWritten;
    const bool written = fill(out.Get()) && ::fchmod(out.Get(), mode) == 0 && ::fsync(out.Get()) == 0;
    if (!out.Close() || !written) {
        std::remove(name.c_str());
        return Replace::NotWritten;
    }
    if (std::rename(name.c_str(), target.c_str()) != 0) {
        std::remove(name.c_str());
        return Replace::NotReplaced;
    }
    return Replace::Done;
}

// The update itself, every check before the first write.
std::vector<std::string_view> Update(UpdaterValues& values, const platform::ProfileFile& settings) {
    const auto folder = StoredFolder(settings.Read("DIR", "Current"));
    const auto source = StoredFolder(settings.Read("DIR", "CDDrive"));
    std::error_code error;
    if (!folder || !source || !fs::is_directory(*folder, error)) return {kNotUpdated};

    // The source must be a regular file that opens for reading.
    const auto sourceFolder =
        platform::FindIgnoringCase(*source, kUpdateFolderName, platform::EntryKind::Folder);
    const auto program =
        sourceFolder ? platform::FindIgnoringCase(*sourceFolder, kUpdateProgramName) : std::nullopt;
    if (!program) return {kNotUpdated};
    const Descriptor in(::open(program->c_str(), O_RDONLY | O_CLOEXEC));
    struct stat sourceStatus {};
    if (in.Get() < 0 || ::fstat(in.Get(), &sourceStatus) != 0 || !S_ISREG(sourceStatus.st_mode))
        return {kNotUpdated};

    const fs::path target = platform::FindIgnoringCase(*folder, kSiblingProgramName, platform::EntryKind::Any)
                                .value_or(*folder / kSiblingProgramName);
    if (fs::is_directory(target, error)) return {kNotDeleted, kNotUpdated};
    const bool hadTarget = fs::exists(fs::symlink_status(target, error));

    // The batch file is written as the sibling expects to find it; the copy below does not depend
    // on it, as its read-only bit is cleared here directly.
    values.MemoBATfile = BatchLines(target);
    std::string batch;
    for (const std::string& line : values.MemoBATfile)
        batch.append(line).append("\r\n");
    ReplaceFile(*folder / kSiblingBatchFileName, 0644,
                [&batch](int fd) { return platform::WriteAll(fd, batch); });

    const mode_t mode = (sourceStatus.st_mode & 0777) | S_IWUSR;
    switch (ReplaceFile(target, mode, [&in](int fd) { return platform::CopyContents(in.Get(), fd); })) {
        case Replace::Done:
            if (hadTarget) return {kDeleted, kUpdated};
            return {kUpdated};
        case Replace::NotReplaced:
            return {kNotDeleted, kNotUpdated};
        case Replace::NotWritten:
            break;
    }
    return {kNotUpdated};
}

}  // namespace

std::optional<platform::ProfileFile> SiblingSettings(const fs::path& windowsDirectory) {
    if (windowsDirectory.empty()) return std::nullopt;
    const auto file = platform::FindIgnoringCase(windowsDirectory, kSiblingSettingsFileName);
    if (!file) return std::nullopt;
    return platform::ProfileFile(*file);
}

std::optional<fs::path> StoredFolder(std::string_view text) {
    std::string slashes(text);
    std::replace(slashes.begin(), slashes.end(), '\\', '/');
    const fs::path folder(slashes);
    if (!folder.is_absolute()) return std::nullopt;
    for (const fs::path& part : folder)
        if (part == "..") return std::nullopt;
    return folder.lexically_normal();
}

std::vector<std::string> BatchLines(const fs::path& program) {
    return {"@Echo off", "attrib " + program.string() + " -r", "Exit"};
}

std::vector<std::string_view> BitBtnFile4Click(UpdaterValues& values, const fs::path& windowsDirectory,
                                               platform::Messages& messages) {
    const auto settings = SiblingSettings(windowsDirectory);
    if (!settings) return {};
    std::vector<std::string_view> statuses = Update(values, *settings);
    values.LabelUpdateStatus = statuses.back();
    messages.Beep();
    return statuses;
}

void DeleteSiblingBatchFile(const fs::path& windowsDirectory) {
    const auto settings = SiblingSettings(windowsDirectory);
    if (!settings) return;
    const auto folder = StoredFolder(settings->Read("DIR", "Current"));
    if (!folder) return;
    // Only a file of that name: never a folder.
    if (const auto batch = platform::FindIgnoringCase(*folder, kSiblingBatchFileName)) {
        std::error_code error;
        fs::remove(*batch, error);
    }
}

}  // namespace omenary::extras
