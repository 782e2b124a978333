#include "steps/working.h"

#include "exact/notation.h"

namespace vorlinde::steps {

std::string Working::plainText() const {
  std::string text;
  for (const Line& line : lines) {
    if (line.kind == LineKind::Row) {
      for (std::size_t i = 0; i < line.cells.size(); ++i)
        text += (i ? "\t" : "") + notation::plain(line.cells[i]);
    } else {
      text += notation::plain(line.text);
    }
    text += '\n';
  }
  if (!text.empty()) text.pop_back();
  return text;
}

std::string Working::answer() const {
  if (lines.empty() || lines.back().kind != LineKind::Answer) return {};
  return notation::plain(lines.back().text);
}

}  // namespace vorlinde::steps
