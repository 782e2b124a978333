#include "steps/shared/answer.h"

namespace vorlinde::steps {

std::string answerItem(std::string_view name, const exact::Shown& value) {
  return value.named(name);
}

std::string answerLine(const std::vector<std::string>& items) {
  std::string line = "答：";
  for (std::size_t i = 0; i < items.size(); ++i)
    line += (i ? "，" : "") + items[i];
  return line;
}

}  // namespace vorlinde::steps
