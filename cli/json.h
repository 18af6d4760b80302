// The JSON object that general, marriage and coin print: every working value, every element of the
// filled page, and the text of every message box, in order.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/report/page.h"

namespace omenary::cli {

// A JSON string literal: quotes, backslashes and control characters escaped, UTF-8 kept as it is.
std::string JsonString(std::string_view text);

using NamedValues = std::vector<std::pair<std::string, std::string>>;

void WriteReportJson(std::ostream& out, const NamedValues& values, const report::Page& page,
                     const report::TextMetrics& metrics, const std::vector<std::string>& messages);

}  // namespace omenary::cli
