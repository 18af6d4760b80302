// Lookups from a code text to a table entry. Codes are whole texts ("1" ... "12", never "01"); any
// other text finds nothing and gives empty text.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/common/text.h"

namespace omenary::astro {

template <std::size_t N>
std::string CodeOf(const std::array<int, N>& table, std::string_view code) {
    const auto n = ParseCode(code, static_cast<int>(N));
    return n ? std::to_string(table[static_cast<std::size_t>(*n - 1)]) : std::string{};
}

template <std::size_t N>
std::string TextOf(const std::array<std::string_view, N>& table, std::string_view code) {
    const auto n = ParseCode(code, static_cast<int>(N));
    return n ? std::string(table[static_cast<std::size_t>(*n - 1)]) : std::string{};
}

template <std::size_t N>
std::string TextAt(const std::array<std::string_view, N>& table, int number) {
    return number >= 1 && number <= static_cast<int>(N)
               ? std::string(table[static_cast<std::size_t>(number - 1)])
               : std::string{};
}

// The code whose entry in the table is the text ("ชวด" -> "1"), or empty text.
template <std::size_t N>
std::string CodeOfText(const std::array<std::string_view, N>& table, std::string_view text) {
    for (std::size_t i = 0; i < N; ++i)
        if (table[i] == text) return std::to_string(i + 1);
    return {};
}

}  // namespace omenary::astro
