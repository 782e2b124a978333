#include "working/working_printer.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <memory>

#include "working/figure_painter.h"
#include "working/working_document.h"

namespace vorlinde::working {
namespace {

// The working was laid out for a screen of 96 pixels an inch.
constexpr qreal kScreenDpi = 96;

// How far down its last page the text reaches.
qreal textBottom(QTextDocument& document, qreal pageHeight) {
  const QTextBlock last = document.lastBlock();
  const qreal bottom = document.documentLayout()->blockBoundingRect(last).bottom();
  return bottom - (document.pageCount() - 1) * pageHeight;
}

}  // namespace

bool printWorking(QPagedPaintDevice& device, const QTextDocument& text,
                  const steps::Figure& figure) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const qreal scale = device.logicalDpiY() / kScreenDpi;
  const QSizeF page(device.width() / scale, device.height() / scale);
  painter.scale(scale, scale);

  // A copy laid out in pages: a block that would cross a page's end starts the next.
  std::unique_ptr<QTextDocument> document(text.clone());
  document->setPageSize(page);
  const int pages = text.isEmpty() ? 0 : document->pageCount();
  for (int i = 0; i < pages; ++i) {
    if (i > 0) device.newPage();
    painter.save();
    painter.translate(0, -i * page.height());
    document->drawContents(&painter, QRectF(QPointF(0, i * page.height()), page));
    painter.restore();
  }
  if (figure.empty()) return painter.end();

  const QSizeF size(page.width() * 0.6, page.width() * 0.6 * 0.8);
  qreal top = pages > 0 ? textBottom(*document, page.height()) + 16 : 0;
  if (pages > 0 && top + size.height() > page.height()) {
    device.newPage();
    top = 0;
  }
  const QRectF area(QPointF((page.width() - size.width()) / 2, top), size);
  paintFigure(painter, figure, area, figureFont(14));
  return painter.end();
}

}  // namespace vorlinde::working
