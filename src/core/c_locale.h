#pragma once

// Reading numbers with the C locale's decimal point, whatever locale the
// application has set, correctly rounded on every system.

#include <locale.h>
#include <stdlib.h>

#include <string>

namespace vorlinde {

#ifdef _WIN32

// MinGW's own conversions round correctly but have no variant taking a locale:
// the text is given the decimal point of the C runtime's locale instead.
inline std::string withLocalPoint(std::string text) {
  if (const auto point = text.find('.'); point != std::string::npos)
    text[point] = *localeconv()->decimal_point;
  return text;
}

inline double cStrtod(const std::string& text) {
  return __mingw_strtod(withLocalPoint(text).c_str(), nullptr);
}

inline long double cStrtold(const std::string& text) {
  return __mingw_strtold(withLocalPoint(text).c_str(), nullptr);
}

#else

inline locale_t cLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

inline double cStrtod(const std::string& text) {
  return strtod_l(text.c_str(), nullptr, cLocale());
}

inline long double cStrtold(const std::string& text) {
  return strtold_l(text.c_str(), nullptr, cLocale());
}

#endif

}  // namespace vorlinde
