// The numeric value of a text, as every subsystem takes it: the value of the
// text's leading decimal number, "." as decimal point whatever the locale,
// leading blanks (spaces, tabs) skipped, an optional sign, no exponent, and 0
// when the text does not begin with a number. "145.5 MHz" is 145.5, "  -3" is
// -3, "1e5" is 1, "abc" and "" are 0.
#pragma once

#include <string_view>

double Val(std::string_view text);

// The same leading number times 10^decimals (0 to 18), truncated toward zero,
// computed from the digits themselves so no binary rounding can creep in:
// ValScaled("145.5255", 3) == 145525, ValScaled("0.567", 6) == 567000,
// ValScaled("-1.2345", 2) == -123. Values beyond the range of long long
// saturate at its limits.
long long ValScaled(std::string_view text, int decimals);
