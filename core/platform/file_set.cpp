#include "core/platform/file_set.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>

#include "core/common/text.h"

namespace omenary::platform {

namespace fs = std::filesystem;

namespace {

FileSetFailure Failure(const fs::path& file, int error, std::string reason = {}) {
    return {file, error, std::move(reason)};
}

fs::path FolderOf(const fs::path& target) {
    return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

// What of the target's name a name beside it holds: all of it, or as much as leaves room for the
// dot, ".new" and ".XXXXXX" within the longest name the folder's file system takes, and within 255
// bytes, which FAT counts in characters (cut between UTF-8 characters).
std::string Stem(const fs::path& target) {
    const std::string name = target.filename().string();
    const long longest = std::min(::pathconf(FolderOf(target).c_str(), _PC_NAME_MAX), 255L);
    constexpr std::size_t kAdded = 12;
    const std::size_t room =
        (longest > static_cast<long>(kAdded) ? static_cast<std::size_t>(longest) : 255) - kAdded;
    return CutUtf8(name, room);
}

// The template of this run's files beside the target; "XXXXXX" is made unique by mkstemp.
std::string Beside(const fs::path& target, std::string_view kind) {
    return (target.parent_path() / ("." + Stem(target) + std::string(kind) + ".XXXXXX")).string();
}

// Removes what a killed run left beside the target: temporaries and kept old contents older than
// a minute (a younger one may belong to a run still going).
void RemoveStaleBeside(const fs::path& target) {
    const std::string prefix = "." + Stem(target) + ".";
    const auto now = fs::file_time_type::clock::now();
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(FolderOf(target), error)) {
        const std::string name = entry.path().filename().string();
        const std::string_view rest = std::string_view(name).substr(std::min(name.size(), prefix.size()));
        const bool ours = name.starts_with(prefix) && rest.size() == 10 &&
                          (rest.starts_with("new.") || rest.starts_with("old."));
        if (!ours || !entry.is_regular_file(error)) continue;
        const auto written = entry.last_write_time(error);
        if (!error && now - written > std::chrono::minutes(1)) fs::remove(entry.path(), error);
    }
}

// A file system that keeps no modes (FAT) refuses a mode it cannot show; that is no failure.
bool SetMode(int descriptor, ::mode_t mode) {
    return ::fchmod(descriptor, mode) == 0 || errno == EPERM;
}

}  // namespace

bool WriteAll(int descriptor, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

namespace {

// A new file with a unique name beside `target`, holding `bytes`; nothing on failure (errno set).
std::optional<fs::path> WriteTemporary(const fs::path& target, const std::string& bytes, ::mode_t mode) {
    std::string name;
    const int descriptor = CreateTemporaryBeside(target, &name);
    if (descriptor < 0) return std::nullopt;
    const bool written = SetMode(descriptor, mode) && WriteAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    const int error = errno;
    if (::close(descriptor) != 0 || !written) {
        ::unlink(name.c_str());
        errno = written ? errno : error;
        return std::nullopt;
    }
    return fs::path(name);
}

// The file as it stands under a second name, so it can be put back; nothing when it cannot be kept.
// A hard link costs nothing; where the file system has none (FAT), a copy serves.
std::optional<fs::path> KeepOld(const fs::path& target, ::mode_t mode) {
    std::string name;
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = Beside(target, ".old");
        const int descriptor = ::mkostemp(name.data(), O_CLOEXEC);
        if (descriptor < 0) return std::nullopt;
        ::close(descriptor);
        ::unlink(name.c_str());
        if (::link(target.c_str(), name.c_str()) == 0) return fs::path(name);
        if (errno != EEXIST) break;
    }
    name = Beside(target, ".old");
    const int copy = ::mkostemp(name.data(), O_CLOEXEC);
    if (copy < 0) return std::nullopt;
    const int old = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    const bool copied = old >= 0 && CopyContents(old, copy) && SetMode(copy, mode);
    const int error = errno;
    if (old >= 0) ::close(old);
    if (::close(copy) != 0 || !copied) {
        ::unlink(name.c_str());
        errno = copied ? errno : error;
        return std::nullopt;
    }
    return fs::path(name);
}

::mode_t NewFileMode() {
    const ::mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

struct Plan {
    fs::path target;       // the file replaced, links resolved
    bool special = false;  // written into directly
    bool fifo = false;
    bool existed = false;
    ::mode_t mode = 0;
    std::optional<fs::path> temporary;
    std::optional<fs::path> old;
    bool replaced = false;
};

void Discard(std::vector<Plan>& plans) {
    for (Plan& plan : plans) {
        if (plan.temporary) ::unlink(plan.temporary->c_str());
        if (plan.old) ::unlink(plan.old->c_str());
    }
}

}  // namespace

std::string FileSetFailure::Text() const {
    return file.string() + ": cannot be written (" + (reason.empty() ? std::strerror(error) : reason) + ")";
}

void RemoveStaleTemporaries(const fs::path& file) {
    RemoveStaleBeside(ResolveLinks(file));
}

int CreateTemporaryBeside(const fs::path& target, std::string* name) {
    RemoveStaleBeside(target);
    *name = Beside(target, ".new");
    return ::mkostemp(name->data(), O_CLOEXEC);
}

bool CopyContents(int from, int to) {
    std::array<char, 1 << 16> buffer;
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (!WriteAll(to, std::string_view(buffer.data(), static_cast<std::size_t>(got)))) return false;
    }
}

bool IsReadOnly(const fs::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    // The owner's write bit is the read-only mark even for an administrator, who may write anyway.
    return (status.st_mode & S_IWUSR) == 0 || ::access(file.c_str(), W_OK) != 0;
}

bool SameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::equivalent(a, b, error)) return true;
    const auto where = [](const fs::path& path) {
        std::error_code ignored;
        return fs::weakly_canonical(fs::absolute(ResolveLinks(path), ignored), ignored);
    };
    return where(a) == where(b);
}

fs::path ResolveLinks(const fs::path& path) {
    fs::path target = path;
    std::error_code error;
    // Bounded like the system's own resolution, so a loop of links cannot hang the program.
    for (int hops = 0; hops < 40 && fs::is_symlink(target, error); ++hops) {
        const fs::path link = fs::read_symlink(target, error);
        // /proc's links to pipes and sockets ("pipe:[1234]") lead to no path.
        if (error || (!link.is_absolute() && target.string().starts_with("/proc/"))) break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

std::optional<FileSetFailure> WriteFileSet(const std::vector<FileContent>& files) {
    std::vector<Plan> plans(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        Plan& plan = plans[i];
        struct stat status {};
        // A device or a FIFO, also through links (/dev/stdout into a pipe), is written into as named.
        if (::stat(files[i].path.c_str(), &status) == 0 && !S_ISREG(status.st_mode) &&
            !S_ISDIR(status.st_mode)) {
            plan.target = files[i].path;
            plan.special = plan.existed = true;
            plan.fifo = S_ISFIFO(status.st_mode);
            continue;
        }
        plan.target = ResolveLinks(files[i].path);
        plan.existed = ::stat(plan.target.c_str(), &status) == 0;
        if (!plan.existed && errno != ENOENT) return Failure(files[i].path, errno);
        if (plan.existed && S_ISDIR(status.st_mode)) return Failure(files[i].path, EISDIR);
        plan.special = plan.existed && !S_ISREG(status.st_mode);
        plan.mode = plan.existed ? status.st_mode & 07777 : NewFileMode();
        if (plan.existed && !plan.special && IsReadOnly(plan.target))
            return Failure(files[i].path, EACCES, "the file is read-only");
    }
    // The last file replaced is never put back: a failed rename leaves it as it was.
    std::size_t last = files.size();
    for (std::size_t i = 0; i < files.size(); ++i)
        if (!plans[i].special) last = i;
    // Every new content first, beside its file; nothing that stood before is touched yet.
    for (std::size_t i = 0; i < files.size(); ++i) {
        Plan& plan = plans[i];
        if (plan.special) continue;
        plan.temporary = WriteTemporary(plan.target, files[i].bytes, plan.mode);
        if (!plan.temporary || (plan.existed && i != last && !(plan.old = KeepOld(plan.target, plan.mode)))) {
            const int error = errno;
            Discard(plans);
            return Failure(files[i].path, error);
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!plans[i].special) continue;
        // Not blocking: a FIFO that nobody reads is said at once instead of waiting for a reader,
        // after a tenth of a second for a reader started alongside to open it.
        int descriptor = -1;
        for (int attempt = 0; attempt < 10; ++attempt) {
            descriptor = ::open(plans[i].target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NONBLOCK);
            if (descriptor >= 0 || errno != ENXIO || !plans[i].fifo) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        const int flags = descriptor >= 0 ? ::fcntl(descriptor, F_GETFL) : -1;
        const bool written = flags >= 0 && ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) == 0 &&
                             WriteAll(descriptor, files[i].bytes);
        const int error = errno;
        if (descriptor >= 0) ::close(descriptor);
        if (!written) {
            Discard(plans);
            if (descriptor < 0 && error == ENXIO && plans[i].fifo)
                return Failure(files[i].path, error, "no reader: nothing reads from the FIFO");
            return Failure(files[i].path, error);
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        Plan& plan = plans[i];
        if (plan.special) continue;
        if (::rename(plan.temporary->c_str(), plan.target.c_str()) == 0) {
            plan.temporary.reset();
            plan.replaced = true;
            continue;
        }
        const int error = errno;
        // Put back what this run already replaced: the set is written whole or not at all.
        for (Plan& done : plans) {
            if (!done.replaced) continue;
            if (done.old) {
                if (::rename(done.old->c_str(), done.target.c_str()) == 0) done.old.reset();
            } else {
                ::unlink(done.target.c_str());
            }
        }
        Discard(plans);
        return Failure(files[i].path, error);
    }
    Discard(plans);
    return std::nullopt;
}

}  // namespace omenary::platform
