#include "core/common/code_page.h"

#include <iconv.h>

#include <cstdint>

namespace omenary {

std::optional<std::string> ThaiWindowsToUtf8(std::string_view bytes) {
    const iconv_t convert = iconv_open("UTF-8", "WINDOWS-874");
    if (convert == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1))) return std::nullopt;
    std::string in(bytes);
    // Every character of the code page is in the Basic Multilingual Plane: three bytes at most.
    std::string out(bytes.size() * 3, '\0');
    char* from = in.data();
    char* to = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    const std::size_t result = iconv(convert, &from, &inLeft, &to, &outLeft);
    iconv_close(convert);
    if (result == static_cast<std::size_t>(-1)) return std::nullopt;
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace omenary
