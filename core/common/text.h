// Conversions between the program's decimal texts and numbers, and the few edits of text every part
// uses (trimming, cutting UTF-8). Every value travels between steps as text; these are the only
// places where a text becomes a number, so a malformed text can never throw.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace omenary {

// A whole number written with decimal digits only ("2547", "007"); no sign, no blanks.
std::optional<long long> ParseDigits(std::string_view text);

// A whole number 1 ... max written as a code is written: decimal, no leading zero, no blanks.
std::optional<int> ParseCode(std::string_view text, int max);

// A decimal number as a user may type it: optional "-", digits with an optional "." fraction
// ("12", "12.5", ".5", "12."). No exponent, no blanks, no other sign.
std::optional<double> ParseDecimal(std::string_view text);

// The same number in whole tenths when it has at most one significant decimal ("45.0" -> 450).
std::optional<long long> ParseTenths(std::string_view text);

// Shortest decimal text of a number with up to 15 significant digits ("45", "0.9", "179.9").
std::string FormatNumber(double value);

// Tenths written as the shortest decimal text ("-5" -> "-0.5", 450 -> "45").
std::string FormatTenths(long long tenths);

// A number with at least two digits ("3" -> "03").
std::string TwoDigits(int value);

char ToLowerAscii(char c);
std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoreCaseAscii(std::string_view a, std::string_view b);

// The text without the blanks and tabs at either end.
std::string_view Trim(std::string_view text);

// Cut to at most max bytes without splitting a UTF-8 character.
std::string CutUtf8(std::string_view text, std::size_t max);

}  // namespace omenary
