// Writing several output files as one: either every file gets its new content, or every file that
// stood before is left as it was. Nothing a run did not make is ever destroyed.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace omenary::platform {

struct FileContent {
    std::filesystem::path path;
    std::string bytes;
};

struct FileSetFailure {
    std::filesystem::path file;  // as it was given
    int error = 0;               // errno
    std::string reason;          // said instead of errno's text when it says more
    // "<file>: cannot be written (<reason>)"
    std::string Text() const;
};

// Writes the files in the order given. A regular file (or a symbolic link to one, written through)
// is replaced in one rename of a uniquely named temporary file beside it, keeping its permissions;
// a read-only one is left as it is and fails. A target that is not a regular file (a device, a
// FIFO, a link to one) is written into directly, as every Unix tool does, never replaced; a FIFO
// nobody reads fails at once. When anything fails, the temporaries are removed and the files
// already replaced are put back. Nothing on success; else which file failed and why.
std::optional<FileSetFailure> WriteFileSet(const std::vector<FileContent>& files);

// Removes what a killed run of WriteFileSet left beside the file: temporaries and kept old
// contents older than a minute (a younger one may belong to a run still going).
void RemoveStaleTemporaries(const std::filesystem::path& file);

// A new empty file with a unique hidden name beside the target (the target itself, not where a
// link leads), its name in *name and no longer than the folder takes, after removing what killed
// runs left there. The open descriptor, or -1 with errno set.
int CreateTemporaryBeside(const std::filesystem::path& target, std::string* name);

// Writes all the bytes, going on after a partial write or an interrupted one; false on a failure
// (errno set).
bool WriteAll(int descriptor, std::string_view bytes);

// Copies what is left to read from one descriptor into the other; false on a failure (errno set).
bool CopyContents(int from, int to);

// An existing regular file marked read-only (its owner may not write it) or that this process may
// not write.
bool IsReadOnly(const std::filesystem::path& file);

// Whether two names reach the same file, existing or yet to be written ("a.pdf", "./a.pdf", a link).
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Where a path's symbolic links lead (the path itself when it is none).
std::filesystem::path ResolveLinks(const std::filesystem::path& path);

}  // namespace omenary::platform
