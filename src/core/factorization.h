#pragma once

#include <string>
#include <string_view>

#include "core/arithmetic.h"

namespace vorlinde {

// The algebra window's factorization variables. They live as long as the window's
// instance; each factorization sets every one before it reads it.
struct Factorization {
  Int16 number;            // the number being factorized, divided as factors are found
  std::string resultText;  // the list entry being built
  Int16 divisor;           // the trial divisor, counting up from 2
  Int16 factorCount;       // factors found so far; 1 marks a prime
};

// Factorizes the text, read leniently and rounded to a 16-bit integer, by trial
// division, and returns the list entry: " 12 =  2 ×  2 ×  3", " 13 =  (素数)".
// Raises error 6 for a value outside the 16-bit range.
std::string factorize(Factorization& f, std::string_view text);

}  // namespace vorlinde
