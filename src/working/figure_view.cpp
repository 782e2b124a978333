#include "working/figure_view.h"

#include <QPainter>

#include "exact/notation.h"
#include "working/figure_painter.h"
#include "working/working_document.h"

namespace vorlinde {

FigureView::FigureView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName("图形");
}

void FigureView::setFigure(steps::Figure figure) {
  figure_ = std::move(figure);
  // The empty figure the window starts with needs none of the notation code.
  const std::string& caption = figure_.caption;
  setAccessibleDescription(caption.empty() ? QString()
                                           : QString::fromStdString(notation::plain(caption)));
  update();
}

void FigureView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  working::paintFigure(painter, figure_, QRectF(rect()), working::figureFont(14));
}

}  // namespace vorlinde
