// The entry point every fuzz target defines; the fuzzer calls it, and so does the replay of the
// seeds and of every input that ever failed.
#pragma once

#include <unistd.h>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace omenary::fuzz {

// A file of this process holding the input, for the readers that take files.
// The folder goes when the process ends normally.
inline std::filesystem::path InputFile(const std::uint8_t* data, std::size_t size, const char* name) {
    struct Scratch {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("omenary-fuzz-" + std::to_string(::getpid()));
        ~Scratch() {
            std::error_code error;
            std::filesystem::remove_all(path, error);
        }
    };
    static const Scratch folder;
    std::filesystem::create_directories(folder.path);
    const std::filesystem::path file = folder.path / name;
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return file;
}

// A failed property: abort, which the fuzzer reports as a crash with the input saved.
inline void Require(bool holds) {
    if (!holds) __builtin_trap();
}

}  // namespace omenary::fuzz
