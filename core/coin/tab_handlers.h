// The event handling of the coin omenary's tab: the stem and branch buttons, the pair rule, the
// birth year and age of the giver, and leaving the three start-date lists. An accepted pair runs
// the search at once.
#pragma once

#include <string>
#include <vector>

#include "core/coin/coin_values.h"
#include "core/coin/search.h"
#include "core/common/leave.h"
#include "core/platform/pictures.h"

namespace omenary::coin {

// A stem and a branch form a pair of the 60-cycle when both are odd or both are even.
constexpr bool IsCoinPair(int stem, int branch) {
    return (stem + branch) % 2 == 0;
}

// The giver's birth year: the year of the pair (stem, branch) in the window start − 68 ... start − 9,
// counting the cycle from BE 2467 = 1/1, but never before the first cycle (2467 ... 2526) unless
// that year lies after the start year: then the latest year of the pair up to the start year, so
// the age is 1 or more. Empty text for an odd pair or texts that are not numbers in range.
std::string BirthYearOfPair(const std::string& stem, const std::string& branch, const std::string& startYear);

// Empties the giver's details and puts the placeholders back into the six slots.
void ClearCoinResults(CoinValues& values);

// Enables both coin buttons, works out the age and runs the search.
SearchOutcome AcceptCoinPair(CoinValues& values, const SearchContext& context);

// With both codes chosen: an odd pair disables the coin buttons, clears the results and beeps; an
// even one gives the birth year and is accepted. True when accepted.
bool CheckCoinPair(CoinValues& values, const SearchContext& context);

// What a stem or branch click did.
enum class Click {
    Done,
    PictureMissing,  // a picture could not be loaded: its message was shown and the click stopped
};

// `SpeedButtonOn1Click` ... `SpeedButtonOn10Click`: stem k.
Click SpeedButtonOnClick(CoinValues& values, int k, const platform::PictureFiles& pictures,
                         const SearchContext& context);
// `SpeedButtonBelow1Click` ... `SpeedButtonBelow12Click`: branch k.
Click SpeedButtonBelowClick(CoinValues& values, int k, const platform::PictureFiles& pictures,
                            const SearchContext& context);

// Leaving a start-date list: its text must be one of its items; with an accepted pair standing the
// birth year and age are worked out again and the search runs again.
Leave ComboBoxDDExit(CoinValues& values, const SearchContext& context);
Leave ComboBoxMMExit(CoinValues& values, const SearchContext& context);
Leave ComboBoxYYExit(CoinValues& values, const std::vector<std::string>& yearItems,
                     const SearchContext& context);

}  // namespace omenary::coin
