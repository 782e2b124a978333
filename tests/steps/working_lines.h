#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "core/calculation.h"
#include "exact/notation.h"
#include "steps/steps.h"
#include "steps/working.h"

namespace vorlinde::steps {

// A click of the panel with the texts of its boxes in order, its run-time error,
// and what some of its labels show, each by its place in the panel's order.
inline Calculation clicked(PanelId panel, std::vector<std::string> texts, int error = 0,
                           const std::vector<std::pair<std::size_t, std::string>>& shown = {}) {
  Calculation c{panel, std::move(texts)};
  c.error = error;
  for (const auto& [label, text] : shown) {
    if (c.shown.size() <= label) c.shown.resize(label + 1);
    c.shown[label] = text;
  }
  return c;
}

// The working of such a click.
inline Working run(PanelId panel, std::vector<std::string> texts, int error = 0,
                   const std::vector<std::pair<std::size_t, std::string>>& shown = {}) {
  return workingFor(clicked(panel, std::move(texts), error, shown));
}

// The texts of a click's boxes as a table writes them: words apart by blanks, "_"
// an empty box.
inline std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> out;
  for (std::size_t at = 0, end = 0; at < text.size(); at = end + 1) {
    end = std::min(text.find(' ', at), text.size());
    if (end > at) out.push_back(text.substr(at, end - at) == "_" ? "" : text.substr(at, end - at));
  }
  return out;
}

// A click of a panel, its boxes' texts as words, and a line its working writes: in
// the tables of answers, the answer line it ends with.
struct Written {
  PanelId panel;
  const char* texts;
  const char* line;
};

// A line as the plain text reads it: its text, then its cells separated by tabs.
inline std::string plainLine(const Line& l) {
  std::string plain = notation::plain(l.text);
  for (std::size_t i = 0; i < l.cells.size(); ++i)
    plain += (i ? "\t" : "") + notation::plain(l.cells[i]);
  return plain;
}

// Whether some line of the working is the text, whole.
inline bool hasLine(const Working& w, const std::string& text) {
  for (const Line& l : w.lines)
    if (plainLine(l) == text) return true;
  return false;
}

// Whether some line of the working holds the text.
inline bool hasLineWith(const Working& w, const std::string& text) {
  for (const Line& l : w.lines)
    if (plainLine(l).find(text) != std::string::npos) return true;
  return false;
}

// Each click's working has the line: the whole of one, or where not whole, in one.
inline void expectLines(std::span<const Written> rows, bool whole = true) {
  for (const Written& r : rows) {
    const Working w = run(r.panel, words(r.texts));
    EXPECT_TRUE(whole ? hasLine(w, r.line) : hasLineWith(w, r.line)) << r.texts << ": " << r.line;
  }
}

// Every coordinate finite, and a view the window can scale: neither empty nor too
// small for the painter, nor beyond the doubles when squared.
inline bool drawable(const Figure& f) {
  const auto finite = [](Point p) { return std::isfinite(p.x) && std::isfinite(p.y); };
  bool ok = f.left < f.right && f.bottom < f.top && f.right - f.left > 1e-100 &&
            f.top - f.bottom > 1e-100 && std::isfinite(f.xTick) && std::isfinite(f.yTick) &&
            std::fabs(f.left) + std::fabs(f.right) + std::fabs(f.top) + std::fabs(f.bottom) < 1e100;
  for (const Figure::Path& p : f.paths)
    ok = ok && std::ranges::all_of(p.points, finite);
  for (const Figure::Dot& d : f.dots)
    ok = ok && finite(d.at);
  for (const Figure::Label& l : f.labels)
    ok = ok && finite(l.at);
  return ok;
}

}  // namespace vorlinde::steps
