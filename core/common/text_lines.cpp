#include "core/common/text_lines.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <signal.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <system_error>

namespace omenary {

TextLines::TextLines(std::string bytes) {
    auto owned = std::make_shared<const std::string>(std::move(bytes));
    bytes_ = *owned;
    owner_ = std::move(owned);
}

// A file mapped for reading. A file shortened under a mapping ends the program with SIGBUS where
// its lost pages are read; here the handler below puts zero pages in their place and marks the
// mapping, so reading ends as usual and Intact() says the file changed.
struct TextLines::MappedFile {
    int descriptor = -1;    // kept open to see whether the file changed since
    struct stat status {};  // size and modification time when mapped
    const char* pages = nullptr;
    std::size_t size = 0;
    std::size_t slot = 0;
    ~MappedFile();
};

namespace {

// The mapped ranges the SIGBUS handler may mend, read lock-free from the handler.
struct GuardedRange {
    std::atomic<std::uintptr_t> begin{0};  // 0: a free slot
    std::atomic<std::uintptr_t> end{0};
    std::atomic<bool> shrunk{false};
};
constexpr std::size_t kGuardedRanges = 16;
GuardedRange guardedRanges[kGuardedRanges];
std::uintptr_t pageSize = 4096;
struct sigaction previousBusAction {};

void OnBusError(int signal, siginfo_t* info, void* /*context*/) {
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (GuardedRange& range : guardedRanges) {
        const std::uintptr_t begin = range.begin.load(), end = range.end.load();
        if (begin == 0 || address < begin || address >= end) continue;
        const std::uintptr_t page = address & ~(pageSize - 1);
        void* const zeros = ::mmap(reinterpret_cast<void*>(page), end - page, PROT_READ,
                                   MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
        if (zeros == MAP_FAILED) break;
        range.shrunk.store(true);
        return;
    }
    // Not a mapping of ours: the fault, or a signal someone sent, goes where it went before.
    ::sigaction(SIGBUS, &previousBusAction, nullptr);
    if (info->si_code <= 0) ::raise(signal);
}

// A slot for the range, the handler installed with the first; nothing when every slot is taken.
std::optional<std::size_t> Guard(const char* pages, std::size_t size) {
    static const bool installed = [] {
        pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO;
        sigemptyset(&action.sa_mask);
        return ::sigaction(SIGBUS, &action, &previousBusAction) == 0;
    }();
    if (!installed) return std::nullopt;
    const auto begin = reinterpret_cast<std::uintptr_t>(pages);
    for (std::size_t slot = 0; slot < kGuardedRanges; ++slot) {
        std::uintptr_t free = 0;
        if (!guardedRanges[slot].begin.compare_exchange_strong(free, begin)) continue;
        guardedRanges[slot].shrunk.store(false);
        guardedRanges[slot].end.store((begin + size + pageSize - 1) & ~(pageSize - 1));
        return slot;
    }
    return std::nullopt;
}

}  // namespace

TextLines::MappedFile::~MappedFile() {
    if (pages != nullptr) {
        guardedRanges[slot].end.store(0);
        guardedRanges[slot].begin.store(0);
        ::munmap(const_cast<char*>(pages), size);
    }
    if (descriptor >= 0) ::close(descriptor);
}

TextLines::TextLines(const std::shared_ptr<const MappedFile>& mapped)
    : owner_(mapped), mapped_(mapped.get()), bytes_(mapped->pages, mapped->size) {}

bool TextLines::Intact() const {
    if (mapped_ == nullptr) return true;
    if (guardedRanges[mapped_->slot].shrunk.load()) return false;
    struct stat now {};
    const struct stat& then = mapped_->status;
    return ::fstat(mapped_->descriptor, &now) == 0 && now.st_size == then.st_size &&
           now.st_mtim.tv_sec == then.st_mtim.tv_sec && now.st_mtim.tv_nsec == then.st_mtim.tv_nsec;
}

std::optional<std::string_view> TextLines::NextLine(std::size_t* offset) const {
    const std::size_t from = *offset;
    if (from >= bytes_.size()) return std::nullopt;
    const char* const line = bytes_.data() + from;
    const std::size_t left = bytes_.size() - from;
    // The line end is looked for a short stretch at a time, each with memchr: a search for the LF
    // through the whole rest would read a file of lone CRs to its end for every one of its lines.
    constexpr std::size_t kStretch = 256;
    for (std::size_t at = 0; at < left; at += kStretch) {
        const char* const stretch = line + at;
        const std::size_t size = std::min(kStretch, left - at);
        const auto* lf = static_cast<const char*>(std::memchr(stretch, '\n', size));
        const std::size_t beforeLf = lf != nullptr ? static_cast<std::size_t>(lf - stretch) : size;
        if (const auto* cr = static_cast<const char*>(std::memchr(stretch, '\r', beforeLf))) {
            const auto length = static_cast<std::size_t>(cr - line);
            const bool crlf = length + 1 < left && cr[1] == '\n';
            *offset = from + length + (crlf ? 2 : 1);
            return std::string_view(line, length);
        }
        if (lf != nullptr) {
            const auto length = static_cast<std::size_t>(lf - line);
            *offset = from + length + 1;
            return std::string_view(line, length);
        }
    }
    *offset = bytes_.size();
    return std::string_view(line, left);
}

const std::vector<std::pair<std::size_t, std::size_t>>& TextLines::Index() const {
    if (!indexed_) {
        spans_.clear();
        spans_.reserve(static_cast<std::size_t>(std::count(bytes_.begin(), bytes_.end(), '\n')) + 1);
        std::size_t offset = 0;
        for (std::size_t start = 0; const auto line = NextLine(&offset); start = offset)
            spans_.emplace_back(start, line->size());
        indexed_ = true;
    }
    return spans_;
}

std::string_view TextLines::Line(std::size_t index) const {
    const auto& spans = Index();
    if (index >= spans.size()) return {};
    return bytes_.substr(spans[index].first, spans[index].second);
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& file, std::size_t maxBytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > maxBytes) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    // A file that changed size while being read is taken as far as it could be read.
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (in.bad()) return std::nullopt;
    return bytes;
}

namespace {

// The file's pages, mapped for reading; nothing when the system will not map it.
std::shared_ptr<const TextLines::MappedFile> MapTextFile(const std::filesystem::path& file,
                                                         std::size_t maxBytes) {
    auto mapped = std::make_shared<TextLines::MappedFile>();
    // Not blocking: a FIFO under the name must not hang the run; only a regular file is mapped.
    mapped->descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (mapped->descriptor < 0) return nullptr;
    const struct stat& status = mapped->status;
    void* pages = MAP_FAILED;
    if (::fstat(mapped->descriptor, &mapped->status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0 &&
        static_cast<std::uintmax_t>(status.st_size) <= maxBytes) {
        mapped->size = static_cast<std::size_t>(status.st_size);
        pages = ::mmap(nullptr, mapped->size, PROT_READ, MAP_PRIVATE, mapped->descriptor, 0);
    }
    const auto slot =
        pages == MAP_FAILED ? std::nullopt : Guard(static_cast<const char*>(pages), mapped->size);
    if (!slot) {
        if (pages != MAP_FAILED) ::munmap(pages, mapped->size);
        return nullptr;
    }
    mapped->pages = static_cast<const char*>(pages);
    mapped->slot = *slot;
    return mapped;
}

}  // namespace

std::optional<TextLines> ReadTextLines(const std::filesystem::path& file, std::size_t maxBytes, bool mapped) {
    if (mapped) {
        if (const auto pages = MapTextFile(file, maxBytes)) return TextLines(pages);
    }
    auto bytes = ReadFileBytes(file, maxBytes);
    if (!bytes) return std::nullopt;
    return TextLines(std::move(*bytes));
}

}  // namespace omenary
