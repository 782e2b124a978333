#include "core/result_text.h"

#include <algorithm>

#include "core/numbers.h"

namespace vorlinde {

std::string resultText(double value) {
  constexpr std::size_t kWidth = 6;
  std::string text = paddedText(value);
  if (text.find('E') != std::string::npos) return text;
  // Only the fraction is cut; a whole part longer than the width stays whole.
  const std::size_t stop = text.find('.');
  if (stop == std::string::npos) return text;
  return text.substr(0, std::max(stop, kWidth));
}

}  // namespace vorlinde
