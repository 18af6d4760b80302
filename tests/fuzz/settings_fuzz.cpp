// The settings reader and writer over any file: what is written reads back the same, and a file that
// cannot be taken as settings is never changed.
#include "core/platform/profile.h"
#include "tests/fuzz/fuzz_target.h"

#include <algorithm>

namespace {

std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace omenary;
    // The last bytes give the value, kept to what a setting holds: one line of visible text.
    const std::size_t valueLength = std::min<std::size_t>(size, 24);
    std::string value(reinterpret_cast<const char*>(data) + size - valueLength, valueLength);
    value.erase(std::remove_if(value.begin(), value.end(),
                               [](char c) { return c < 0x21 || c > 0x7e || c == '"' || c == '\''; }),
                value.end());
    const std::filesystem::path file = fuzz::InputFile(data, size - valueLength, "MorvitOmenary.ini");
    platform::ProfileFile profile(file);
    for (const char* key : {"Run", "Landscape", "CenterOnPage", "Current"})
        fuzz::Require(profile.Read("Options", key).size() <= platform::ProfileFile::kMaxValueLength);
    const std::string before = FileBytes(file);
    platform::ProfileFile::WriteFailure failure;
    if (profile.Write("Options", "Landscape", value, &failure)) {
        fuzz::Require(profile.Read("options", "LANDSCAPE") == value);
        fuzz::Require(profile.Write("Options", "Landscape", "True") &&
                      profile.Read("Options", "Landscape") == "True");
    } else {
        fuzz::Require(FileBytes(file) == before);
    }
    std::filesystem::remove(file);
    return 0;
}
