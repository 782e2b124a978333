#include "working/working_html.h"

#include <cstdlib>

#include "exact/notation.h"

namespace vorlinde::working {
namespace {

using steps::LineKind;

// The syntax a fraction on the line still needs is kept; the rest of what the
// typeset form hides ("^", "_", a radicand's and an exponent's parentheses) is
// said by the markup instead.
bool dropped(const notation::Run& run) {
  return run.hidden && (run.fraction < 0 || run.shift != 0 || run.text == "^" || run.text == "_");
}

QString marked(QString text, bool italic, bool overlined, int shift) {
  if (text.isEmpty()) return text;
  if (italic) text = "<i>" + text + "</i>";
  if (overlined) text = "<span style=\"text-decoration: overline\">" + text + "</span>";
  for (int i = 0; i < std::abs(shift); ++i)
    text = (shift > 0 ? "<sup>" : "<sub>") + text + (shift > 0 ? "</sup>" : "</sub>");
  return text;
}

// Neighbouring runs under the same marks share one element: one overline over a
// whole radicand. A variable is set in italic.
QString inlineHtml(const std::string& markup) {
  QString html, text;
  bool italic = false, overlined = false;
  int shift = 0;
  for (const notation::Run& run : notation::runs(markup)) {
    if (dropped(run)) continue;
    if (run.variable != italic || (run.underBars > 0) != overlined || run.shift != shift) {
      html += marked(text, italic, overlined, shift);
      text.clear();
      italic = run.variable;
      overlined = run.underBars > 0;
      shift = run.shift;
    }
    text += QString::fromStdString(run.text).toHtmlEscaped();
  }
  return html + marked(text, italic, overlined, shift);
}

QString lineHtml(const steps::Line& line) {
  const QString text = inlineHtml(line.text);
  switch (line.kind) {
    case LineKind::Heading:
      return "<h3>" + text + "</h3>\n";
    case LineKind::Method:
    case LineKind::Answer:
      return "<p><b>" + text + "</b></p>\n";
    case LineKind::Note:
      return "<p style=\"color: #5f6368\">" + text + "</p>\n";
    default:
      return "<p>" + text + "</p>\n";
  }
}

QString rowHtml(const steps::Line& row) {
  QString html = "<tr>";
  for (const std::string& cell : row.cells)
    html += "<td style=\"padding: 2px 12px\">" + inlineHtml(cell) + "</td>";
  return html + "</tr>\n";
}

}  // namespace

QString workingHtml(const steps::Working& working) {
  QString html = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n";
  bool inTable = false;
  for (const steps::Line& line : working.lines) {
    const bool row = line.kind == LineKind::Row;
    if (row != inTable) html += row ? "<table>\n" : "</table>\n";
    inTable = row;
    html += row ? rowHtml(line) : lineHtml(line);
  }
  if (inTable) html += "</table>\n";
  return html + "</body></html>\n";
}

}  // namespace vorlinde::working
