// The entry point every fuzz target defines; the fuzzer calls it, and so does the replay of the
// seeds and of every input that ever failed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace omenary::fuzz {

// A file of this process holding the input, for the readers that take files.
inline std::filesystem::path InputFile(const std::uint8_t* data, std::size_t size, const char* name) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("omenary-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / name;
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));
    return file;
}

// A failed property: abort, which the fuzzer reports as a crash with the input saved.
inline void Require(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace omenary::fuzz
