#include "core/platform/profile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>
#include <thread>
#include <vector>

#include "core/common/text.h"
#include "core/common/text_lines.h"
#include "core/platform/file_set.h"

namespace omenary::platform {

namespace {

// The file split into lines, each without its line end; nothing when the file is missing,
// unreadable, binary or too large. The file's own line end is kept for writing back.
struct Lines {
    std::vector<std::string> lines;
    bool crlf = false;
    bool byteOrderMark = false;  // a UTF-8 mark before the first line, kept for writing back
};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::optional<Lines> ReadLines(const std::filesystem::path& path) {
    const auto text = ReadFileBytes(path, ProfileFile::kMaxFileSize);
    if (!text || text->find('\0') != std::string::npos) return std::nullopt;
    Lines result;
    result.byteOrderMark = text->starts_with(kByteOrderMark);
    const TextLines split(text->substr(result.byteOrderMark ? kByteOrderMark.size() : 0));
    result.crlf = text->find("\r\n") != std::string::npos;
    for (std::size_t i = 0; i < split.Count(); ++i)
        result.lines.emplace_back(split.Line(i));
    return result;
}

// "[Name]" -> "Name"; nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[') return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

// "Key=Value" -> "Key"; nothing for lines without "=" or comments.
std::optional<std::string_view> KeyName(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || Trim(line).starts_with(';')) return std::nullopt;
    return Trim(line.substr(0, equals));
}

// Index range [begin, end) of the section's body, or nothing when the section is absent. The first
// section of that name counts, as the original platform's reads did.
struct Section {
    std::size_t header;
    std::size_t end;
};

std::optional<Section> FindSection(const std::vector<std::string>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (!name || !EqualsIgnoreCaseAscii(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !SectionName(lines[end]))
            ++end;
        return Section{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<std::string>& lines, const Section& section,
                                   std::string_view key) {
    for (std::size_t i = section.header + 1; i < section.end; ++i) {
        const auto name = KeyName(lines[i]);
        if (name && EqualsIgnoreCaseAscii(*name, key)) return i;
    }
    return std::nullopt;
}

// A value in matching quotes reads without them, as profile files did on the original platform.
std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

bool Fail(ProfileFile::WriteFailure* failure, ProfileFile::WriteFailure::Kind kind, int error = 0) {
    if (failure != nullptr) *failure = {kind, error};
    return false;
}

bool FailWithErrno(ProfileFile::WriteFailure* failure) {
    return Fail(failure, ProfileFile::WriteFailure::Kind::System, errno);
}

// Line ends would split an entry into lines of their own (a section, a key of its own); a NUL makes
// the whole file read as binary.
bool Storable(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

// The lock of one read-modify-write of a file in a folder, held while it lives. It is taken on the
// folder itself, which, unlike the file, no rename replaces, and which needs no lock file of its own
// left lying beside the settings. Where no lock can be had (a file system without locks) writers go
// on unlocked, as before locks were.
class WriteLock {
  public:
    explicit WriteLock(const std::filesystem::path& target)
        : descriptor_(::open((target.has_parent_path() ? target.parent_path() : ".").c_str(),
                             O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~WriteLock() {
        if (descriptor_ >= 0) ::close(descriptor_);  // closing releases the lock
    }
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

    // False when another writer kept the lock longer than any write takes: a program stopped or
    // hung in the middle of its write must not hang this one.
    bool Take() {
        if (descriptor_ < 0) return true;
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (::flock(descriptor_, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) return true;
            if (std::chrono::steady_clock::now() > giveUp) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return true;
    }

  private:
    int descriptor_;
};

}  // namespace

std::string ProfileFile::Read(std::string_view section, std::string_view key) const {
    const auto file = ReadLines(path_);
    if (!file) return {};
    const auto found = FindSection(file->lines, section);
    if (!found) return {};
    const auto line = FindKey(file->lines, *found, key);
    if (!line) return {};
    const std::string& text = file->lines[*line];
    return CutUtf8(Unquote(Trim(std::string_view(text).substr(text.find('=') + 1))), kMaxValueLength);
}

std::filesystem::path ProfileFile::Target() const {
    return ResolveLinks(path_);
}

bool ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value,
                        WriteFailure* failure) {
    using Kind = WriteFailure::Kind;
    if (!Storable(section) || !Storable(key) || !Storable(value)) return Fail(failure, Kind::NotStorable);
    const std::filesystem::path target = Target();
    // From the first look at the file to its replacement: a write in between would be lost.
    WriteLock lock(target);
    if (!lock.Take()) return Fail(failure, Kind::Busy);
    struct stat status {};
    const bool exists = ::stat(target.c_str(), &status) == 0;
    if (!exists && errno != ENOENT) return FailWithErrno(failure);
    if (exists) {
        if (S_ISDIR(status.st_mode)) return Fail(failure, Kind::System, EISDIR);
        if (!S_ISREG(status.st_mode)) return Fail(failure, Kind::System, EINVAL);
        if (IsReadOnly(target)) return Fail(failure, Kind::ReadOnly);
        if (::access(target.c_str(), R_OK) != 0) return FailWithErrno(failure);
    }
    const auto read = ReadLines(target);
    // A file that exists but is not a settings file is left alone rather than replaced by the one
    // key: whatever it holds is not ours to lose.
    if (exists && !read) return Fail(failure, Kind::NotSettings);

    Lines file = read.value_or(Lines{});
    const std::string entry = std::string(key) + "=" + std::string(value);
    if (const auto found = FindSection(file.lines, section)) {
        if (const auto line = FindKey(file.lines, *found, key)) {
            // Keep the key as the file spells it.
            const std::string& old = file.lines[*line];
            file.lines[*line] = old.substr(0, old.find('=') + 1) + std::string(value);
        } else {
            // After the section's last non-blank line.
            std::size_t at = found->end;
            while (at > found->header + 1 && Trim(file.lines[at - 1]).empty())
                --at;
            file.lines.insert(file.lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
        }
    } else {
        if (!file.lines.empty() && !Trim(file.lines.back()).empty()) file.lines.emplace_back();
        file.lines.push_back("[" + std::string(section) + "]");
        file.lines.push_back(entry);
    }

    std::string content(file.byteOrderMark ? kByteOrderMark : "");
    for (const std::string& line : file.lines)
        content.append(line).append(file.crlf ? "\r\n" : "\n");

    // The replaced file keeps who may read it: a private settings file stays private.
    if (const auto failed = WriteFileSet({
            {target, content}
    }))
        return Fail(failure, Kind::System, failed->error);
    return true;
}

}  // namespace omenary::platform
