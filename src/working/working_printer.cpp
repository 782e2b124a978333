#include "working/working_printer.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>

#include "working/figure_painter.h"
#include "working/page_layout.h"
#include "working/working_document.h"
#include "working/working_layout.h"

namespace vorlinde::working {
namespace {

// The working is set for a screen of 96 pixels an inch.
constexpr qreal kScreenDpi = 96;

void paintFooter(QPainter& painter, const Size& page, qreal height, int number, int count) {
  painter.setFont(workingFont(11));
  painter.setPen(QColor(0x5f, 0x63, 0x68));
  painter.drawText(QRectF(0, page.height - height, page.width, height),
                   Qt::AlignHCenter | Qt::AlignBottom,
                   QString("第 %1 页，共 %2 页").arg(number).arg(count));
}

}  // namespace

bool printWorking(QPagedPaintDevice& device, const steps::Working& working) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  const qreal scale = device.logicalDpiY() / kScreenDpi;
  const Size page{device.width() / scale, device.height() / scale};
  painter.scale(scale, scale);

  QTextDocument document;
  document.setUndoRedoEnabled(false);
  document.setDocumentMargin(0);
  typesetWorking(document, working, workingFont(), page.width);
  document.setTextWidth(page.width);
  const auto& layout = static_cast<const WorkingLayout&>(*document.documentLayout());

  Paper paper{page, std::ceil(QFontMetricsF(workingFont(11)).height() * 2), {}};
  if (!working.figure.empty()) paper.figure = Size{page.width * 0.6, page.width * 0.6 * 0.8};
  const Pages pages = layOutPages(layout.boxes(), paper);
  std::size_t i = 0;
  for (int p = 0; p < pages.count; ++p) {
    if (p > 0) device.newPage();
    for (; i < pages.lines.size() && pages.lines[i].page == p; ++i) {
      const Placed& at = pages.lines[i];
      painter.save();
      painter.translate(at.x, at.y);
      painter.scale(at.scale, at.scale);
      layout.drawLine(painter, i);
      painter.restore();
    }
    if (pages.figure && pages.figure->page == p) {
      const QRectF area(pages.figure->x, pages.figure->y, pages.figureSize.width,
                        pages.figureSize.height);
      paintFigure(painter, working.figure, area, figureFont(14));
    }
    paintFooter(painter, page, paper.footer, p + 1, pages.count);
  }
  return painter.end();
}

}  // namespace vorlinde::working
