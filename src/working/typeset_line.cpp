#include "working/typeset_line.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "exact/notation.h"
#include "working/line_metrics.h"

namespace vorlinde::working {
namespace {

using notation::Place;
using notation::Run;
using Metrics = LineSetter::Metrics;

// One run of the line, or one character of a hidden run, as laid out.
struct Item {
  QString text;
  bool small = false;  // set in the smaller font, as an exponent or an index
  qreal natural = 0;   // the text's own advance in its font
  qreal width = 0;     // the advance it takes in the typeset form: 0 when hidden
  qreal shift = 0;     // raised (+) or lowered (-) as an exponent or an index
  qreal offset = 0;    // its baseline above the line's
  qreal start = 0;     // where it starts
  bool hidden = false, underline = false, overline = false;
  int fraction = -1;
  Place place = Place::Line;
  Face face = Text;
};

bool isBar(const Run& run) {
  return run.place == Place::Line && run.fraction >= 0;
}

// A fraction under a radical is set on the line, as the plain text writes it:
// its bar and parentheses are shown, and the radical's bar runs over all of it.
Item inlineItem(const Run& run, const Metrics& m) {
  Item item;
  item.small = run.shift != 0;
  item.hidden = run.hidden && (run.shift != 0 || run.text == "^" || run.text == "_");
  item.shift = run.shift > 0 ? m.supRaise * run.shift : m.subDrop * run.shift;
  item.overline = !item.hidden && run.underBars > 0;
  return item;
}

Item itemOf(const Run& run, const std::vector<bool>& onLine, const Metrics& m) {
  const std::size_t f = run.fraction;
  if (run.fraction >= 0 && f < onLine.size() && onLine[f]) return inlineItem(run, m);
  Item item;
  item.small = run.shift != 0;
  item.hidden = run.hidden;
  item.shift = run.shift > 0 ? m.supRaise * run.shift : m.subDrop * run.shift;
  item.fraction = run.fraction;
  item.place = run.place;
  item.underline = run.place == Place::Numerator || isBar(run);
  item.overline = !run.hidden && run.underBars > 0;
  return item;
}

// The length of the character at text[at], one or two UTF-16 units.
qsizetype unitsAt(const QString& text, qsizetype at) {
  return text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
}

Face faceAt(const QString& text, qsizetype at, bool variable) {
  const char32_t c = unitsAt(text, at) == 2 ? QChar::surrogateToUcs4(text[at], text[at + 1])
                                            : char32_t(text[at].unicode());
  return faceOf(c, variable);
}

// A run's text as items of one face each; a hidden run character by character, as
// each hidden character cancels its own advance.
void appendItems(std::vector<Item>& items, const Item& item, const Run& run, const Metrics& m) {
  const QString text = QString::fromStdString(run.text);
  for (qsizetype at = 0, end = 0; at < text.size(); at = end) {
    const Face face = faceAt(text, at, run.variable);
    end = at + unitsAt(text, at);
    while (!item.hidden && end < text.size() && faceAt(text, end, run.variable) == face)
      end += unitsAt(text, end);
    Item& added = items.emplace_back(item);
    added.text = text.mid(at, end - at);
    added.face = face;
    added.natural = m.advance(added.text, face, item.small);
    added.width = item.hidden ? 0 : added.natural;
  }
}

// The fractions set on the line: those under a radical's bar, and those given.
std::vector<bool> fractionsOnLine(const std::vector<Run>& runs, std::vector<bool> onLine) {
  for (const Run& run : runs)
    if (isBar(run)) {
      onLine.resize(std::max<std::size_t>(onLine.size(), run.fraction + 1));
      onLine[run.fraction] = onLine[run.fraction] || run.underBars > 0;
    }
  return onLine;
}

std::vector<Item> itemsOf(const std::vector<Run>& runs, const std::vector<bool>& onLine,
                          const Metrics& m) {
  std::vector<Item> items;
  for (const Run& run : runs)
    appendItems(items, itemOf(run, onLine, m), run, m);
  return items;
}

// Places one stacked fraction, items [begin, end), from pen on: numerator and
// denominator centred on each other, a margin on either side; returns the pen after it.
qreal placeFraction(std::vector<Item>& items, std::size_t begin, std::size_t end, qreal pen,
                    const Metrics& m) {
  qreal numerator = 0, denominator = 0;
  for (std::size_t k = begin; k < end; ++k)
    (items[k].place == Place::Numerator ? numerator : denominator) += items[k].width;
  const qreal width = std::max(numerator, denominator), left = pen + m.margin;
  qreal x = left + (width - numerator) / 2;
  for (std::size_t k = begin; k < end; ++k) {
    if (items[k].place == Place::Line) {
      // The hidden bar character runs back from the fraction's right end to the
      // denominator's start; its underline fills the bar where the numerator is short.
      items[k].start = left + width;
      x = left + (width - denominator) / 2;
      continue;
    }
    items[k].start = x;
    x += items[k].width;
  }
  return left + width + m.margin;
}

// Where each stacked fraction starts and ends across the line, margins included.
struct Extent {
  qreal left = 0, right = 0;
};

qreal placeAcross(std::vector<Item>& items, const Metrics& m, std::vector<Extent>& fractions) {
  qreal pen = 0;
  for (std::size_t i = 0; i < items.size();) {
    if (items[i].fraction < 0) {
      items[i].start = pen;
      pen += items[i++].width;
      continue;
    }
    std::size_t end = i;
    while (end < items.size() && items[end].fraction == items[i].fraction)
      ++end;
    fractions.resize(std::max<std::size_t>(fractions.size(), items[i].fraction + 1));
    fractions[items[i].fraction].left = pen;
    pen = placeFraction(items, i, end, pen, m);
    fractions[items[i].fraction].right = pen;
    i = end;
  }
  return pen;
}

// A stacked fraction wider than this many ems is set on the line, where it may
// be broken: stacked, it could fit neither a page nor a window.
constexpr qreal kWidestStack = 24;

// Lays the items out, setting the fractions too wide to stack on the line.
std::vector<Item> placed(const std::vector<Run>& runs, const Metrics& m, qreal& width,
                         std::vector<Extent>& fractions) {
  std::vector<bool> onLine = fractionsOnLine(runs, {});
  std::vector<Item> items = itemsOf(runs, onLine, m);
  width = placeAcross(items, m, fractions);
  bool tooWide = false;
  for (std::size_t f = 0; f < fractions.size(); ++f)
    if (fractions[f].right - fractions[f].left > kWidestStack * m.em) {
      onLine.resize(std::max(onLine.size(), f + 1));
      onLine[f] = tooWide = true;
    }
  if (!tooWide) return items;
  fractions.clear();
  items = itemsOf(runs, onLine, m);
  width = placeAcross(items, m, fractions);
  return items;
}

// Each stacked fraction's span of the plain text and the room before it.
std::vector<TypesetLine::Stack> stacksOf(const std::vector<Item>& items,
                                         const std::vector<Extent>& fractions) {
  std::vector<TypesetLine::Stack> stacks;
  int at = 0;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Item& item = items[i];
    if (item.fraction < 0) {
      at += int(item.text.size());
      continue;
    }
    const Extent& extent = fractions[item.fraction];
    if (i == 0 || items[i - 1].fraction != item.fraction)
      stacks.push_back({at, at, item.start - extent.left});
    at += int(item.text.size());
    stacks.back().to = at;
    stacks.back().overhang =
        std::max(stacks.back().overhang, item.start + item.natural - extent.right);
  }
  return stacks;
}

// How far above its own baseline an item's ink reaches.
qreal inkTop(const Item& item, const Metrics& m) {
  const QFontMetricsF& fm = m.metricsOf(item.face, item.small);
  if (item.overline) return fm.ascent() + fm.lineWidth();
  return m.inkTop(item.text, item.face, item.small);
}

// Raises numerators to stand on the fraction bar and lowers denominators to hang
// below it, a gap clear of the bar.
void placeUpAndDown(std::vector<Item>& items, const Metrics& m) {
  std::vector<qreal> drop;
  for (const Item& item : items)
    if (item.place == Place::Denominator && !item.hidden) {
      drop.resize(std::max<std::size_t>(drop.size(), item.fraction + 1), 0);
      drop[item.fraction] =
          std::max(drop[item.fraction], item.shift + inkTop(item, m) + m.gap - m.axis);
    }
  for (Item& item : items) {
    item.offset = item.shift;
    if (item.place == Place::Numerator || (item.place == Place::Line && item.fraction >= 0))
      item.offset += m.numeratorRaise(item.face);
    else if (item.place == Place::Denominator && item.fraction < qsizetype(drop.size()))
      item.offset -= drop[item.fraction];
  }
}

QTextCharFormat formatOf(const Item& item, qreal spacing, const Metrics& m) {
  QTextCharFormat format = m.formats[item.face][item.small][item.hidden];
  if (item.underline) {
    format.setFontUnderline(true);
    format.setUnderlineColor(m.colour);
  }
  if (item.overline) format.setFontOverline(true);
  const QFontMetricsF& fm = m.metricsOf(item.face, item.small);
  if (item.offset != 0) format.setBaselineOffset(item.offset * 100 / (fm.ascent() + fm.descent()));
  if (std::abs(spacing) > 1e-3) {
    format.setFontLetterSpacingType(QFont::AbsoluteSpacing);
    format.setFontLetterSpacing(spacing);
  }
  return format;
}

// The pieces of an item: letter spacing is added after every character, so where
// the item must end elsewhere than its own advance, its last character is split off.
void appendPieces(std::vector<Piece>& pieces, const Item& item, qreal end, const Metrics& m) {
  const qreal spacing = end - item.start - item.natural;
  qsizetype last = item.text.size() - 1;
  if (last > 0 && item.text[last].isLowSurrogate()) --last;
  if (std::abs(spacing) > 1e-3 && last > 0) {
    pieces.push_back({item.text.left(last), formatOf(item, 0, m)});
    pieces.push_back({item.text.mid(last), formatOf(item, spacing, m)});
  } else {
    pieces.push_back({item.text, formatOf(item, spacing, m)});
  }
}

}  // namespace

LineSetter::LineSetter(const QFont& font, const QColor& colour)
    : m_(std::make_unique<const Metrics>(font, colour)) {}
LineSetter::~LineSetter() = default;
LineSetter::LineSetter(LineSetter&&) noexcept = default;

TypesetLine LineSetter::operator()(std::string_view markup) const {
  const Metrics& m = *m_;
  TypesetLine line;
  std::vector<Extent> fractions;
  std::vector<Item> items = placed(notation::runs(markup), m, line.width, fractions);
  placeUpAndDown(items, m);
  line.above = m.metricsOf(Text, false).ascent();
  line.below = m.metricsOf(Text, false).descent();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const Item& item = items[i];
    const QFontMetricsF& fm = m.metricsOf(item.face, item.small);
    line.above = std::max(line.above, item.offset + fm.ascent() + (item.overline ? 1 : 0));
    line.below = std::max(line.below, fm.descent() - item.offset);
    const qreal end = i + 1 < items.size() ? items[i + 1].start : line.width;
    appendPieces(line.pieces, item, end, m);
  }
  if (!items.empty()) line.lead = items.front().start;
  line.stacks = stacksOf(items, fractions);
  line.stacked = !line.stacks.empty();
  return line;
}

}  // namespace vorlinde::working
