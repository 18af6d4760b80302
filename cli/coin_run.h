// The coin tab driven as omenary-cli drives it, shared by one envelope and a list of them.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

#include "cli/arguments.h"
#include "cli/command_support.h"
#include "core/coin/search.h"
#include "core/report/page.h"

namespace omenary::cli {

inline constexpr std::string_view kCoinCommand = "coin";

// --start and the envelope options, each through its input's validation. kExitOk, or the status of
// a refusal (said on err).
int SetCoinStart(const Arguments& parsed, ProgramRun& program, const coin::SearchContext& search,
                 std::ostream& err);

// The stem button, the branch button (an accepted pair runs the search), then the print button: the
// filled envelope on page. kExitOk; kExitRefused, nothing said, when stem and branch form no pair;
// kExitFailed with the reason on err.
int FillCoinEnvelope(ProgramRun& program, const coin::SearchContext& search, int stem, int branch,
                     report::Page& page, std::ostream& err);

}  // namespace omenary::cli
