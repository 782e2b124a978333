#pragma once

#include <string>

namespace vorlinde {

// An unknown's value as its result label shows it: the padded number text cut to
// six characters, but only ever within the fraction, so the cut never changes the
// magnitude (123456.7 shows as " 123456", 1/3 as " .3333"). A text in exponent
// form is shown whole.
std::string resultText(double value);

}  // namespace vorlinde
