#include "core/common/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace omenary {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<long long> ParseDigits(std::string_view text) {
    if (text.empty() || !std::all_of(text.begin(), text.end(), IsDigit)) return std::nullopt;
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int> ParseCode(std::string_view text, int max) {
    if (text.empty() || text.size() > 2 || text.front() == '0') return std::nullopt;
    const auto value = ParseDigits(text);
    if (!value || *value < 1 || *value > max) return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<double> ParseDecimal(std::string_view text) {
    std::string_view body = text;
    if (!body.empty() && body.front() == '-') body.remove_prefix(1);
    const auto dot = body.find('.');
    const std::string_view whole = body.substr(0, dot);
    const std::string_view fraction =
        dot == std::string_view::npos ? std::string_view{} : body.substr(dot + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;
    if (!std::all_of(whole.begin(), whole.end(), IsDigit) ||
        !std::all_of(fraction.begin(), fraction.end(), IsDigit))
        return std::nullopt;
    // from_chars wants at least one digit before the end; "12." and ".5" are fine for it.
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long long> ParseTenths(std::string_view text) {
    if (!ParseDecimal(text)) return std::nullopt;
    const bool negative = text.front() == '-';
    if (negative) text.remove_prefix(1);
    const auto dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    std::string_view fraction = dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);
    if (fraction.size() > 1 || whole.size() > 15) return std::nullopt;
    const long long units = whole.empty() ? 0 : *ParseDigits(whole);
    const long long tenths = units * 10 + (fraction.empty() ? 0 : fraction.front() - '0');
    return negative ? -tenths : tenths;
}

std::string FormatNumber(double value) {
    if (value == 0) value = 0;  // no "-0"
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::string FormatTenths(long long tenths) {
    const bool negative = tenths < 0;
    const unsigned long long magnitude =
        negative ? 0ULL - static_cast<unsigned long long>(tenths) : static_cast<unsigned long long>(tenths);
    std::string text;
    if (negative) text.push_back('-');
    text.append(std::to_string(magnitude / 10));
    if (magnitude % 10 != 0) {
        text.push_back('.');
        text.push_back(static_cast<char>('0' + magnitude % 10));
    }
    return text;
}

std::string TwoDigits(int value) {
    std::string text = std::to_string(value);
    if (value >= 0 && value < 10) text.insert(text.begin(), '0');
    return text;
}

char ToLowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string ToLowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return ToLowerAscii(c); });
    return out;
}

std::string ToUpperAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return out;
}

bool EqualsIgnoreCaseAscii(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return ToLowerAscii(x) == ToLowerAscii(y);
           });
}

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string CutUtf8(std::string_view text, std::size_t max) {
    if (text.size() <= max) return std::string(text);
    std::size_t cut = max;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return std::string(text.substr(0, cut));
}

}  // namespace omenary
