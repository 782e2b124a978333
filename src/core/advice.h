#pragma once

#include <string>
#include <vector>

#include "core/runtime_error.h"

// What each panel's run-time errors say to the pupil first; the panel table
// names one of these for every panel.

namespace vorlinde::advice {

using Values = std::vector<double>;

std::string factorization(ErrorCode code, const Values& values);
std::string factorial(ErrorCode code, const Values& values);
std::string divisorAndMultiple(ErrorCode code, const Values& values);
std::string power(ErrorCode code, const Values& values);
std::string rootAndLogarithm(ErrorCode code, const Values& values);
std::string trigonometry(ErrorCode code, const Values& values);
std::string quadratic(ErrorCode code, const Values& values);
std::string twoUnknowns(ErrorCode code, const Values& values);
std::string gridCount(ErrorCode code, const Values& values);
std::string linearSystem(ErrorCode code, const Values& values);
std::string specialSeries(ErrorCode code, const Values& values);
std::string sequence(ErrorCode code, const Values& values);
std::string area(ErrorCode code, const Values& values);
std::string volume(ErrorCode code, const Values& values);

}  // namespace vorlinde::advice
