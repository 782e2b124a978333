#pragma once

#include <QAbstractTextDocumentLayout>
#include <QTextBlockUserData>
#include <vector>

#include "working/line_breaks.h"
#include "working/page_layout.h"
#include "working/typeset_line.h"

class QTextLayout;

// The layout of the working's document, for the window and for paper alike: each
// line is broken at the width where the working allows it (working/line_breaks.h),
// never inside a stacked fraction, continued lines indented; a table, or a line
// with a part too wide to break, is scaled down to the width, never below 60 %,
// and only beyond that is the document wider than its page.

namespace vorlinde::working {

// What the layout knows of a line of the working beyond its text, kept with its block.
struct LineData : QTextBlockUserData {
  std::vector<LineBreak> breaks;
  std::vector<TypesetLine::Stack> stacks;
  qreal lead = 0;    // room before its first character
  qreal gap = 0;     // space above the line
  qreal above = 0;   // room above each of its lines for raised parts
  qreal below = 0;   // and below each for lowered parts and the leading
  qreal indent = 0;  // of a continued line
  int table = -1;    // the rows of one table share this
  bool keepWithNext = false;
};

class WorkingLayout : public QAbstractTextDocumentLayout {
 public:
  // Installs itself as the document's layout.
  explicit WorkingLayout(QTextDocument* document);

  // Laid out at the document's text width, each line as a box and its place on
  // the screen's one page.
  const std::vector<LineBox>& boxes() const;
  // Draws line i with the top left corner of its box at the painter's origin.
  void drawLine(QPainter& painter, std::size_t i) const;

  void draw(QPainter* painter, const PaintContext& context) override;
  int hitTest(const QPointF& point, Qt::HitTestAccuracy accuracy) const override;
  int pageCount() const override { return 1; }
  QSizeF documentSize() const override;
  QRectF frameBoundingRect(QTextFrame* frame) const override;
  QRectF blockBoundingRect(const QTextBlock& block) const override;

 protected:
  void documentChanged(int from, int charsRemoved, int charsAdded) override;

 private:
  struct Line {
    QTextLayout* layout;
    int index;    // in its layout
    int block;    // the block's number
    qreal above;  // from the box's top to the line's
  };
  struct Block {
    QRectF rect;  // on the screen, scale included
    qreal scale = 1;
  };

  void layOut() const;
  bool laidOut() const;
  void layOutBlock(const QTextBlock& block, qreal width) const;
  void place(qreal width) const;

  mutable bool dirty_ = true;
  mutable qreal width_ = -1;  // the page's, as laid out
  mutable std::vector<LineBox> boxes_;
  mutable std::vector<Line> lines_;
  mutable std::vector<Block> blocks_;
  mutable QSizeF size_;
};

}  // namespace vorlinde::working
