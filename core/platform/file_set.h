// Writing several output files as one: either every file gets its new content, or every file that
// stood before is left as it was. Nothing a run did not make is ever destroyed.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace omenary::platform {

struct FileContent {
    std::filesystem::path path;
    std::string bytes;
};

struct FileSetFailure {
    std::filesystem::path file;  // as it was given
    int error = 0;               // errno
    // "<file>: cannot be written (<reason>)"
    std::string Text() const;
};

// Writes the files in the order given. A regular file (or a symbolic link to one, written through)
// is replaced in one rename of a uniquely named temporary file beside it, keeping its permissions.
// A target that is not a regular file (a device, a FIFO, a link to one) is written into directly,
// as every Unix tool does, never replaced. When anything fails, the temporaries are removed and the
// files already replaced are put back. Nothing on success; else which file failed and why.
std::optional<FileSetFailure> WriteFileSet(const std::vector<FileContent>& files);

// Removes what a killed run of WriteFileSet left beside the file: temporaries and kept old
// contents older than a minute (a younger one may belong to a run still going).
void RemoveStaleTemporaries(const std::filesystem::path& file);

// Where a path's symbolic links lead (the path itself when it is none).
std::filesystem::path ResolveLinks(const std::filesystem::path& path);

}  // namespace omenary::platform
