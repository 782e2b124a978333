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

#include "exact/notation.h"
#include "working/page_layout.h"
#include "working/typeset_line.h"
#include "working/working_layout.h"

namespace vorlinde::working {
namespace {

using steps::Line;
using steps::LineKind;

struct Style {
  QFont font;
  QColor colour{0x1a, 0x1a, 0x1a};
  qreal spaceBefore = 0;
  bool keepWithNext = false;
};

Style styleOf(LineKind kind, const QFont& base) {
  Style style{base};
  const qreal em = base.pixelSize();
  switch (kind) {
    case LineKind::Heading:
      style.font.setPixelSize(int(std::lround(em * 1.25)));
      style.font.setBold(true);
      style.keepWithNext = true;
      break;
    case LineKind::Method:
      style.keepWithNext = true;
      [[fallthrough]];
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

// How a line stands among the others: room above each of its lines for raised
// parts, below for lowered parts, the leading and, around fractions, some air.
LineData* lineData(const Style& style, const TypesetLine& line) {
  const QFontMetricsF fm(style.font);
  const qreal air = line.stacked ? std::round(fm.height() * 0.15) : 0;
  auto* data = new LineData;
  data->gap = style.spaceBefore;
  data->above = std::max<qreal>(0, std::ceil(line.above - fm.ascent())) + air;
  data->below = std::max<qreal>(0, std::ceil(line.below - fm.descent())) +
                std::round(fm.height() * 0.3) + air;
  data->indent = 2 * style.font.pixelSize();
  data->keepWithNext = style.keepWithNext;
  data->lead = line.lead;
  data->stacks = line.stacks;
  return data;
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

  void startBlock(const QTextBlockFormat& format, const Style& style, LineData* data) {
    if (first_)
      cursor_.setBlockFormat(format);
    else
      cursor_.insertBlock(format);
    cursor_.setBlockCharFormat(plainFormat(style));
    cursor_.block().setUserData(data);
    first_ = false;
  }
  void write(const TypesetLine& line) {
    for (const Piece& piece : line.pieces)
      cursor_.insertText(piece.text, piece.format);
  }
  void write(const QString& text, const QTextCharFormat& format) {
    cursor_.insertText(text, format);
  }
  int newTable() { return tables_++; }

 private:
  QTextCursor cursor_;
  bool first_ = true;
  int tables_ = 0;
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
  LineData* data = lineData(style, typeset);
  data->breaks = lineBreaks(line.text);
  // A line that introduces a table ("增广矩阵：") stays with it on paper.
  data->keepWithNext = data->keepWithNext || notation::plain(line.text).ends_with("：");
  out.startBlock({}, style, data);
  out.write(typeset);
}

using Table = std::vector<std::vector<TypesetLine>>;

std::vector<double> columnWidths(const Table& table) {
  std::vector<double> widths;
  for (const std::vector<TypesetLine>& cells : table)
    for (std::size_t k = 0; k < cells.size(); ++k) {
      if (widths.size() <= k) widths.push_back(0);
      widths[k] = std::max(widths[k], std::ceil(cells[k].width));
    }
  return widths;
}

// A first column without digits names the rows ("sin α", "a + b"): it is repeated
// before each block of columns of a table cut for paper.
bool labelled(std::span<const Line> rows) {
  for (const Line& row : rows) {
    const std::string first = row.cells.empty() ? "" : notation::plain(row.cells[0]);
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (first.empty() || std::any_of(first.begin(), first.end(), digit)) return false;
  }
  return true;
}

// A row of cells as one line: as high and as deep as its tallest cell, never
// broken, its last cell's fractions where the row's width may end.
TypesetLine rowExtent(const std::vector<const TypesetLine*>& cells) {
  TypesetLine extent{{}, cells.empty() ? 0 : cells[0]->lead, 0, 0, 0, true};
  int offset = 0;  // where the cell starts in the row's text, after a tab
  for (const TypesetLine* cell : cells) {
    extent.above = std::max(extent.above, cell->above);
    extent.below = std::max(extent.below, cell->below);
    extent.stacks = cell->stacks;
    for (TypesetLine::Stack& s : extent.stacks) {
      s.from += offset;
      s.to += offset;
    }
    for (const Piece& piece : cell->pieces)
      offset += int(piece.text.size());
    ++offset;
  }
  return extent;
}

// The rows, the columns given of each, lined up column by column; a block of
// columns after the first stands a little apart. A cell that needs room before
// its first character (a leading fraction) gets its own tab stop that much further on.
void writeColumns(Writer& out, const Table& table, const std::vector<std::size_t>& columns,
                  const std::vector<double>& widths, int id, bool apart, Kinds& kinds) {
  const Style& style = kinds.style(LineKind::Row);
  std::vector<qreal> starts{0};
  for (std::size_t k : columns)
    starts.push_back(starts.back() + widths[k] + std::round(kinds.em() * 1.5));
  for (std::size_t r = 0; r < table.size(); ++r) {
    QList<QTextOption::Tab> tabs;
    std::vector<const TypesetLine*> shown;
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (columns[c] >= table[r].size()) continue;
      const TypesetLine& cell = table[r][columns[c]];
      if (!shown.empty())
        tabs.append(QTextOption::Tab(starts[c] + cell.lead, QTextOption::LeftTab));
      shown.push_back(&cell);
    }
    QTextBlockFormat format;
    format.setTabPositions(tabs);
    LineData* data = lineData(style, rowExtent(shown));
    data->table = id;
    if (r == 0 && apart) data->gap = std::round(kinds.em() * 0.5);
    out.startBlock(format, style, data);
    for (std::size_t k = 0; k < shown.size(); ++k) {
      if (k > 0) out.write("\t", plainFormat(style));
      out.write(*shown[k]);
    }
  }
}

// A run of rows as one table; on paper, one too wide for the page even at the
// smallest scale is cut into blocks of columns, each after the row labels.
void writeRows(Writer& out, std::span<const Line> rows, Kinds& kinds, qreal pageWidth) {
  Table table;
  for (const Line& row : rows) {
    table.emplace_back();
    for (const std::string& cell : row.cells)
      table.back().push_back(kinds.setter(LineKind::Row)(cell));
  }
  const qreal gap = std::round(kinds.em() * 1.5);
  const std::vector<double> widths = columnWidths(table);
  double whole = -gap;
  for (double w : widths)
    whole += w + gap;
  const bool cut = pageWidth > 0 && whole * kSmallestTableScale > pageWidth;
  const bool label = cut && labelled(rows);
  const std::vector<ColumnBlock> blocks =
      cut ? columnBlocks(widths, gap, pageWidth / kSmallestTableScale, label)
          : std::vector<ColumnBlock>{{0, widths.size()}};
  const int id = out.newTable();
  for (const ColumnBlock& block : blocks) {
    std::vector<std::size_t> columns;
    if (label) columns.push_back(0);
    for (std::size_t k = block.first; k < block.last; ++k)
      columns.push_back(k);
    if (!columns.empty())
      writeColumns(out, table, columns, widths, id, &block != &blocks.front(), kinds);
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

void typesetWorking(QTextDocument& document, const steps::Working& working, const QFont& font,
                    qreal pageWidth) {
  document.clear();
  document.setDefaultFont(font);
  if (!dynamic_cast<WorkingLayout*>(document.documentLayout())) new WorkingLayout(&document);
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
    writeRows(out, std::span(lines).subspan(i, end - i), kinds, pageWidth);
    i = end;
  }
}

}  // namespace vorlinde::working
