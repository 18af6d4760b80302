// The bitmap completeness check over any header and length: defined for every value, never a read
// past the file.
#include "core/platform/pictures.h"
#include "tests/fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace omenary;
    const std::filesystem::path file = fuzz::InputFile(data, size, "picture.bmp");
    const bool complete = platform::BitmapDataComplete(file);
    // Too short to hold the headers of a bitmap that says it is one: never complete.
    if (size >= 2 && size < 38 && data[0] == 'B' && data[1] == 'M') fuzz::Require(!complete);
    std::filesystem::remove(file);
    return 0;
}
