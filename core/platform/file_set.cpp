#include "core/platform/file_set.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>

namespace omenary::platform {

namespace fs = std::filesystem;

namespace {

FileSetFailure Failure(const fs::path& file, int error) {
    return {file, error};
}

// The template of this run's files beside the target; "XXXXXX" is made unique by mkstemp.
std::string Beside(const fs::path& target, std::string_view kind) {
    return (target.parent_path() / ("." + target.filename().string() + std::string(kind) + ".XXXXXX"))
        .string();
}

bool WriteAll(int descriptor, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// A new file with a unique name beside `target`, holding `bytes`; nothing on failure (errno set).
std::optional<fs::path> WriteTemporary(const fs::path& target, const std::string& bytes, ::mode_t mode) {
    std::string name = Beside(target, ".new");
    const int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) return std::nullopt;
    const bool written =
        ::fchmod(descriptor, mode) == 0 && WriteAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    const int error = errno;
    if (::close(descriptor) != 0 || !written) {
        ::unlink(name.c_str());
        errno = written ? errno : error;
        return std::nullopt;
    }
    return fs::path(name);
}

// A second name for the file as it stands, so it can be put back; nothing when it cannot be kept.
std::optional<fs::path> KeepOld(const fs::path& target) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = Beside(target, ".old");
        const int descriptor = ::mkstemp(name.data());
        if (descriptor < 0) return std::nullopt;
        ::close(descriptor);
        ::unlink(name.c_str());
        if (::link(target.c_str(), name.c_str()) == 0) return fs::path(name);
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

::mode_t NewFileMode() {
    const ::mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

struct Plan {
    fs::path target;       // the file replaced, links resolved
    bool special = false;  // written into directly
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
    return file.string() + ": cannot be written (" + std::strerror(error) + ")";
}

void RemoveStaleTemporaries(const fs::path& file) {
    const fs::path target = ResolveLinks(file);
    const std::string prefix = "." + target.filename().string() + ".";
    const auto now = fs::file_time_type::clock::now();
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(target.parent_path(), error)) {
        const std::string name = entry.path().filename().string();
        const std::string_view rest = std::string_view(name).substr(std::min(name.size(), prefix.size()));
        const bool ours = name.starts_with(prefix) && rest.size() == 10 &&
                          (rest.starts_with("new.") || rest.starts_with("old."));
        if (!ours || !entry.is_regular_file(error)) continue;
        const auto written = entry.last_write_time(error);
        if (!error && now - written > std::chrono::minutes(1)) fs::remove(entry.path(), error);
    }
}

fs::path ResolveLinks(const fs::path& path) {
    fs::path target = path;
    std::error_code error;
    // Bounded like the system's own resolution, so a loop of links cannot hang the program.
    for (int hops = 0; hops < 40 && fs::is_symlink(target, error); ++hops) {
        const fs::path link = fs::read_symlink(target, error);
        if (error) break;
        target = link.is_absolute() ? link : target.parent_path() / link;
    }
    return target;
}

std::optional<FileSetFailure> WriteFileSet(const std::vector<FileContent>& files) {
    std::vector<Plan> plans(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        Plan& plan = plans[i];
        plan.target = ResolveLinks(files[i].path);
        struct stat status {};
        plan.existed = ::stat(plan.target.c_str(), &status) == 0;
        if (!plan.existed && errno != ENOENT) return Failure(files[i].path, errno);
        if (plan.existed && S_ISDIR(status.st_mode)) return Failure(files[i].path, EISDIR);
        plan.special = plan.existed && !S_ISREG(status.st_mode);
        plan.mode = plan.existed ? status.st_mode & 07777 : NewFileMode();
    }
    // Every new content first, beside its file; nothing that stood before is touched yet.
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (plans[i].special) continue;
        plans[i].temporary = WriteTemporary(plans[i].target, files[i].bytes, plans[i].mode);
        if (!plans[i].temporary || (plans[i].existed && !(plans[i].old = KeepOld(plans[i].target)))) {
            const int error = errno;
            Discard(plans);
            return Failure(files[i].path, error);
        }
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (!plans[i].special) continue;
        const int descriptor = ::open(plans[i].target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        const bool written = descriptor >= 0 && WriteAll(descriptor, files[i].bytes);
        const int error = errno;
        if (descriptor >= 0) ::close(descriptor);
        if (!written) {
            Discard(plans);
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
