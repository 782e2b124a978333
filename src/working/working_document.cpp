#include "working/working_document.h"

#include <QFontMetricsF>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>

#include "working/typeset_line.h"

namespace vorlinde::working {
namespace {

using steps::Line;
using steps::LineKind;

struct Style {
  QFont font;
  QColor colour{0x1a, 0x1a, 0x1a};
  qreal spaceBefore = 0;
};

Style styleOf(LineKind kind, const QFont& base) {
  Style style{base};
  const qreal em = base.pixelSize();
  switch (kind) {
    case LineKind::Heading:
      style.font.setPixelSize(int(std::lround(em * 1.25)));
      style.font.setBold(true);
      break;
    case LineKind::Method:
    case LineKind::Answer:
      style.font.setBold(true);
      style.spaceBefore = std::round(em * 0.5);
      break;
    case LineKind::Note:
      style.colour = QColor(0x5f, 0x63, 0x68);
      break;
    default:
      break;
  }
  return style;
}

// A block as tall as its raised and lowered parts need: the top margin makes room
// for the first line's raised parts, the extra line height below each line for
// its lowered parts and, where lines may wrap, for the next line's raised parts.
// A line with a stacked fraction is never broken, lest a numerator be parted
// from its denominator.
QTextBlockFormat blockFormat(const Style& style, const TypesetLine& line) {
  const QFontMetricsF fm(style.font);
  const qreal extraAbove = std::max<qreal>(0, std::ceil(line.above - fm.ascent()));
  const qreal extraBelow = std::max<qreal>(0, std::ceil(line.below - fm.descent()));
  const qreal leading = std::round(fm.height() * 0.3);
  const qreal air = line.stacked ? std::round(fm.height() * 0.15) : 0;  // around fractions
  const qreal pitch = fm.height() + extraBelow + leading + air + (line.stacked ? 0 : extraAbove);
  QTextBlockFormat format;
  format.setTopMargin(style.spaceBefore + extraAbove + air);
  format.setLineHeight(pitch * 100 / fm.height(), QTextBlockFormat::ProportionalHeight);
  format.setNonBreakableLines(line.stacked);
  format.setTextIndent(line.lead);
  return format;
}

QTextCharFormat plainFormat(const Style& style) {
  QTextCharFormat format;
  format.setFont(style.font, QTextCharFormat::FontPropertiesAll);
  format.setForeground(style.colour);
  return format;
}

class Writer {
 public:
  // One edit block: the document is laid out once, when the working is all in.
  explicit Writer(QTextDocument& document) : cursor_(&document) { cursor_.beginEditBlock(); }
  ~Writer() { cursor_.endEditBlock(); }

  void startBlock(const QTextBlockFormat& format, const Style& style) {
    if (first_)
      cursor_.setBlockFormat(format);
    else
      cursor_.insertBlock(format);
    cursor_.setBlockCharFormat(plainFormat(style));
    first_ = false;
  }
  void write(const TypesetLine& line) {
    for (const Piece& piece : line.pieces)
      cursor_.insertText(piece.text, piece.format);
  }
  void write(const QString& text, const QTextCharFormat& format) {
    cursor_.insertText(text, format);
  }

 private:
  QTextCursor cursor_;
  bool first_ = true;
};

// Each kind of line's style and line setter, made once for a working.
class Kinds {
 public:
  explicit Kinds(const QFont& font) : font_(font) {}

  const Style& style(LineKind kind) { return entry(kind).style; }
  const LineSetter& setter(LineKind kind) { return entry(kind).setter; }
  qreal em() const { return font_.pixelSize(); }

 private:
  struct Entry {
    Style style;
    LineSetter setter;
  };
  Entry& entry(LineKind kind) {
    std::optional<Entry>& e = entries_[std::size_t(kind)];
    if (!e) {
      Style style = styleOf(kind, font_);
      e.emplace(Entry{style, LineSetter(style.font, style.colour)});
    }
    return *e;
  }

  QFont font_;
  std::array<std::optional<Entry>, std::size_t(LineKind::Answer) + 1> entries_;
};

void writeLine(Writer& out, const Line& line, Kinds& kinds) {
  const Style& style = kinds.style(line.kind);
  const TypesetLine typeset = kinds.setter(line.kind)(line.text);
  out.startBlock(blockFormat(style, typeset), style);
  out.write(typeset);
}

using Table = std::vector<std::vector<TypesetLine>>;

// Where each column starts: a gap after the widest cell of the column before.
std::vector<qreal> columnStarts(const Table& table, qreal gap) {
  std::vector<qreal> widths;
  for (const std::vector<TypesetLine>& cells : table)
    for (std::size_t k = 0; k < cells.size(); ++k) {
      if (widths.size() <= k) widths.push_back(0);
      widths[k] = std::max(widths[k], cells[k].width);
    }
  std::vector<qreal> starts{0};
  for (qreal width : widths)
    starts.push_back(starts.back() + std::ceil(width) + gap);
  return starts;
}

// A run of rows, lined up column by column. A cell that needs room before its
// first character (a leading fraction) gets its own tab stop that much further on.
void writeRows(Writer& out, std::span<const Line> rows, Kinds& kinds) {
  const Style& style = kinds.style(LineKind::Row);
  Table table;
  for (const Line& row : rows) {
    table.emplace_back();
    for (const std::string& cell : row.cells)
      table.back().push_back(kinds.setter(LineKind::Row)(cell));
  }
  const std::vector<qreal> starts = columnStarts(table, std::round(kinds.em() * 1.5));
  for (const std::vector<TypesetLine>& cells : table) {
    // The row as one line: as high and as deep as its tallest cell, never broken.
    TypesetLine extent{{}, cells.empty() ? 0 : cells[0].lead, 0, 0, 0, true};
    QList<QTextOption::Tab> tabs;
    for (std::size_t k = 0; k < cells.size(); ++k) {
      extent.above = std::max(extent.above, cells[k].above);
      extent.below = std::max(extent.below, cells[k].below);
      if (k > 0) tabs.append(QTextOption::Tab(starts[k] + cells[k].lead, QTextOption::LeftTab));
    }
    QTextBlockFormat format = blockFormat(style, extent);
    format.setTabPositions(tabs);
    out.startBlock(format, style);
    for (std::size_t k = 0; k < cells.size(); ++k) {
      if (k > 0) out.write("\t", plainFormat(style));
      out.write(cells[k]);
    }
  }
}

}  // namespace

// The Song face of the tool windows. The Ming face has no subscripts (x₁, aₙ) nor
// "↔"; DejaVu Sans, which Qt has loaded anyway, stands in for them before the
// large WenQuanYi face would.
QFont workingFont(int pixelSize) {
  QFont font;
  font.setFamilies({"AR PL UMing CN", "DejaVu Sans", "宋体", "SimSun", "WenQuanYi Zen Hei Mono",
                    "WenQuanYi Micro Hei Mono", "Noto Sans Mono CJK SC"});
  font.setPixelSize(pixelSize);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QFont figureFont(int pixelSize) {
  QFont font = workingFont(pixelSize);
  font.setFamilies(mathFont(font).families() + font.families());
  return font;
}

void typesetWorking(QTextDocument& document, const steps::Working& working, const QFont& font) {
  document.clear();
  document.setDefaultFont(font);
  Writer out(document);
  Kinds kinds(font);
  const std::vector<Line>& lines = working.lines;
  for (std::size_t i = 0; i < lines.size();) {
    if (lines[i].kind != LineKind::Row) {
      writeLine(out, lines[i++], kinds);
      continue;
    }
    std::size_t end = i;
    while (end < lines.size() && lines[end].kind == LineKind::Row)
      ++end;
    writeRows(out, std::span(lines).subspan(i, end - i), kinds);
    i = end;
  }
}

}  // namespace vorlinde::working
