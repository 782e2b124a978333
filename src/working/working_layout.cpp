#include "working/working_layout.h"

#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>

namespace vorlinde::working {
namespace {

constexpr qreal kUnbounded = 1e7;
// A line ends at a clause's end rather than at a later term when it is this full.
constexpr qreal kClauseFill = 0.4;

const LineData* dataOf(const QTextBlock& block) {
  return static_cast<const LineData*>(block.userData());
}

bool isSpace(QChar c) {
  return c == u' ' || c == QChar(0x2009);
}

// Breaks one line of a block, laid out from `from` to the block's end, where
// the working allows it and the room ends. Widths grow with the text outside
// stacked fractions, so the last break that fits is found by halves.
class LineBreaker {
 public:
  // Measures the line as far as twice the room, where nothing can fit any more;
  // the breaks are the block's, none inside a stacked fraction.
  LineBreaker(const QString& text, const LineData& data, const std::vector<LineBreak>& breaks,
              QTextLine line, int from, qreal room)
      : text_(text), data_(data), breaks_(breaks), line_(line), from_(from) {
    line_.setLineWidth(std::min(2 * room, kUnbounded));
    reached_ = line_.textStart() + line_.textLength();
    start_ = line_.cursorToX(from_);
  }

  // The room the line needs before its first character: a stacked fraction's margin.
  qreal lead() const {
    if (from_ == 0) return data_.lead;
    const TypesetLine::Stack* s = stackAt(from_);
    return s && s->from <= from_ ? s->lead : 0;
  }

  // Where the line ends, no wider than the room if it can be.
  int end(qreal room) const {
    const int n = int(text_.size());
    if (width(n) <= room) return n;
    const auto first = std::upper_bound(breaks_.begin(), breaks_.end(), from_,
                                        [](int at, const LineBreak& b) { return at < b.at; });
    const auto fits = std::partition_point(first, breaks_.end(),
                                           [&](const LineBreak& b) { return width(b.at) <= room; });
    int term = -1, clause = -1, inner = -1;
    for (auto b = fits; b != first && clause < 0;) {
      --b;
      if (b->level == LineBreak::Inner && inner < 0) inner = b->at;
      if (b->level != LineBreak::Inner && term < 0) term = b->at;
      if (b->level == LineBreak::Clause) clause = b->at;
    }
    if (clause > 0 && width(clause) >= kClauseFill * room) return clause;
    if (term > 0) return term;
    if (inner > 0) return inner;
    return cut(room, first);
  }

  // Sets the line to end at `end`: wide enough for what comes before it, too
  // narrow for the character after it.
  void endAt(int end) {
    if (end > reached_) {  // a part too wide for the room runs on past it
      line_.setLineWidth(kUnbounded);
      reached_ = int(text_.size());
    }
    if (end >= text_.size()) return;
    const qreal wanted = width(end);
    for (qreal slack : {0.5, 2.0, 4.0}) {
      line_.setLineWidth(wanted + slack);
      if (line_.textStart() + line_.textLength() >= end) return;
    }
  }

 private:
  // The width from the line's start to `to`, spaces before it not counted.
  qreal width(int to) const {
    if (to > reached_) return std::numeric_limits<qreal>::infinity();
    while (to > from_ && isSpace(text_[to - 1]))
      --to;
    return line_.cursorToX(to) - start_;
  }
  // The stacked fraction that `at` falls inside of, or starts.
  const TypesetLine::Stack* stackAt(int at) const {
    for (const TypesetLine::Stack& s : data_.stacks)
      if (s.from <= at && at < s.to) return &s;
    return nullptr;
  }

  // No break of the working fits: a long number is cut where the room ends, or,
  // where even its first part is too wide, the line runs on to the first break.
  int cut(qreal room, std::vector<LineBreak>::const_iterator next) const {
    // A place inside a stacked fraction counts as its end, where the line could end.
    const auto settled = [&](int at) {
      const TypesetLine::Stack* s = stackAt(at);
      return s && s->from < at ? s->to : at;
    };
    int lo = from_, hi = std::min<int>(reached_, int(text_.size()));  // lo fits, hi does not
    while (hi - lo > 1) {
      const int mid = lo + (hi - lo) / 2;
      (width(settled(mid)) <= room ? lo : hi) = mid;
    }
    for (int at = lo; at > from_; --at) {
      const TypesetLine::Stack* s = stackAt(at);
      if (s && s->from < at) at = s->from;
      if (at > from_ && !text_[at].isLowSurrogate()) return at;
    }
    if (next != breaks_.end()) return next->at;
    const TypesetLine::Stack* s = stackAt(from_);
    return s ? s->to : std::min<int>(from_ + 1, int(text_.size()));
  }

  const QString& text_;
  const LineData& data_;
  const std::vector<LineBreak>& breaks_;
  QTextLine line_;
  int from_;
  int reached_;  // how far the line was measured
  qreal start_;  // where its first character stands
};

// The block's breaks, those inside stacked fractions left out.
std::vector<LineBreak> usableBreaks(const LineData& data) {
  std::vector<LineBreak> breaks;
  for (const LineBreak& b : data.breaks)
    if (std::none_of(data.stacks.begin(), data.stacks.end(),
                     [&](const TypesetLine::Stack& s) { return s.from < b.at && b.at < s.to; }))
      breaks.push_back(b);
  return breaks;
}

// The line's width from the left edge: a stacked fraction at its end reaches
// past it with its hidden characters.
qreal widthOf(const QTextLine& line, const QString& text, const LineData& data) {
  int end = line.textStart() + line.textLength();
  while (end > line.textStart() && isSpace(text[end - 1]))
    --end;
  qreal overhang = 0;
  for (const TypesetLine::Stack& s : data.stacks)
    if (s.to == end) overhang = s.overhang;
  return line.x() + line.naturalTextWidth() + overhang;
}

QList<QTextLayout::FormatRange> selectionsIn(
    const QTextBlock& block, const QList<QAbstractTextDocumentLayout::Selection>& selections) {
  QList<QTextLayout::FormatRange> ranges;
  const int start = block.position(), end = start + block.length();
  for (const QAbstractTextDocumentLayout::Selection& s : selections) {
    const int from = std::max(s.cursor.selectionStart(), start);
    const int to = std::min(s.cursor.selectionEnd(), end);
    if (from < to) ranges.append({from - start, to - from, s.format});
  }
  return ranges;
}

}  // namespace

WorkingLayout::WorkingLayout(QTextDocument* document) : QAbstractTextDocumentLayout(document) {
  connect(document, &QTextDocument::contentsChange, this, [this] { dirty_ = true; });
  document->setDocumentLayout(this);
}

// Laid out once a width is given, and again when the text or the width changes.
void WorkingLayout::documentChanged(int, int, int) {
  if (document()->pageSize().width() != width_) dirty_ = true;
  if (!dirty_ || document()->pageSize().width() <= 0) return;
  layOut();
  emit documentSizeChanged(size_);
  emit update();
}

const std::vector<LineBox>& WorkingLayout::boxes() const {
  static const std::vector<LineBox> none;
  return laidOut() ? boxes_ : none;
}

void WorkingLayout::layOut() const {
  if (!dirty_ || document()->pageSize().width() <= 0) return;
  dirty_ = false;
  width_ = document()->pageSize().width();
  boxes_.clear();
  lines_.clear();
  const qreal margin = document()->documentMargin();
  const qreal width = std::max<qreal>(width_ - 2 * margin, 1);
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
    layOutBlock(block, width);
  place(width);
}

void WorkingLayout::layOutBlock(const QTextBlock& block, qreal width) const {
  static const LineData plain;
  const LineData& data = dataOf(block) ? *dataOf(block) : plain;
  QTextLayout* layout = block.layout();
  QTextOption option(Qt::AlignLeft);
  option.setWrapMode(QTextOption::WrapAnywhere);
  option.setTabs(block.blockFormat().tabPositions());
  layout->setTextOption(option);
  const QString text = block.text();
  const bool breakable = data.table < 0 && dataOf(block);
  const std::vector<LineBreak> breaks = usableBreaks(data);
  layout->beginLayout();
  for (int from = 0; from < text.size() || layout->lineCount() == 0;) {
    QTextLine line = layout->createLine();
    if (!line.isValid()) break;
    const qreal indent = from > 0 ? data.indent : 0;
    LineBreaker breaker(text, data, breaks, line, from, breakable ? width - indent : kUnbounded);
    const qreal x = indent + breaker.lead();
    if (breakable) breaker.endAt(breaker.end(width - x));
    line.setPosition({x, 0});
    from = line.textStart() + line.textLength();
    if (line.textLength() == 0) break;
  }
  layout->endLayout();
  const int group = data.table >= 0 ? 2 * data.table : 2 * block.blockNumber() + 1;
  const LineData* next = dataOf(block.next());
  const bool tableGoesOn = data.table >= 0 && next && next->table == data.table;
  for (int i = 0; i < layout->lineCount(); ++i) {
    const QTextLine line = layout->lineAt(i);
    const bool last = i + 1 == layout->lineCount();
    boxes_.push_back({i == 0 ? data.gap : 0, data.above + line.height() + data.below,
                      widthOf(line, text, data), group,
                      last && (data.keepWithNext || tableGoesOn)});
    lines_.push_back({layout, i, block.blockNumber(), data.above});
  }
}

// The lines on the screen's one page, tables scaled to its width.
void WorkingLayout::place(qreal width) const {
  const qreal margin = document()->documentMargin();
  const Pages pages =
      layOutPages(boxes_, {{width, std::numeric_limits<double>::infinity()}, 0, {}});
  blocks_.assign(document()->blockCount(), {});
  qreal right = width, bottom = 0;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& l = lines_[i];
    const Placed& at = pages.lines[i];
    Block& block = blocks_[l.block];
    const QPointF corner(margin + at.x, margin + at.y);
    if (l.index == 0) {
      block.rect = QRectF(corner, QSizeF(0, 0));
      block.scale = at.scale;
      l.layout->setPosition(corner);
    }
    QTextLine line = l.layout->lineAt(l.index);
    const qreal top = (corner.y() - block.rect.top()) / at.scale;
    line.setPosition({line.x(), top + l.above});
    const qreal w = boxes_[i].width * at.scale, h = boxes_[i].height * at.scale;
    block.rect.setWidth(std::max(block.rect.width(), w));
    block.rect.setBottom(corner.y() + h);
    right = std::max(right, at.x + w);
    bottom = std::max(bottom, at.y + h);
  }
  size_ = QSizeF(right + 2 * margin, bottom + 2 * margin);
}

void WorkingLayout::drawLine(QPainter& painter, std::size_t i) const {
  const Line& l = lines_.at(i);
  const QTextLine line = l.layout->lineAt(l.index);
  line.draw(&painter, QPointF(0, l.above - line.y()));
}

void WorkingLayout::draw(QPainter* painter, const PaintContext& context) {
  if (!laidOut()) return;
  painter->setPen(context.palette.color(QPalette::Text));
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    const Block& place = blocks_[block.blockNumber()];
    if (context.clip.isValid() && !place.rect.intersects(context.clip)) continue;
    QTextLayout* layout = block.layout();
    painter->save();
    painter->translate(layout->position());
    painter->scale(place.scale, place.scale);
    layout->draw(painter, -layout->position(), selectionsIn(block, context.selections));
    painter->restore();
  }
}

int WorkingLayout::hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const {
  if (!laidOut()) return -1;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    const Block& place = blocks_[block.blockNumber()];
    const bool last = !block.next().isValid();
    if (point.y() >= place.rect.bottom() && !last) continue;
    if (accuracy == Qt::ExactHit && !place.rect.contains(point)) return -1;
    const QTextLayout* layout = block.layout();
    const QPointF local = (point - layout->position()) / place.scale;
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QTextLine line = layout->lineAt(i);
      if (local.y() < line.y() + line.height() || i + 1 == layout->lineCount())
        return block.position() + line.xToCursor(local.x());
    }
    return block.position();
  }
  return -1;
}

QSizeF WorkingLayout::documentSize() const {
  return laidOut() ? size_ : QSizeF();
}

QRectF WorkingLayout::frameBoundingRect(QTextFrame*) const {
  return QRectF(QPointF(0, 0), documentSize());
}

QRectF WorkingLayout::blockBoundingRect(const QTextBlock& block) const {
  const int n = block.blockNumber();
  return laidOut() && n >= 0 ? blocks_[n].rect : QRectF();
}

// Lays out what changed; false while no width has been given.
bool WorkingLayout::laidOut() const {
  layOut();
  return !dirty_ && blocks_.size() == std::size_t(document()->blockCount());
}

}  // namespace vorlinde::working
