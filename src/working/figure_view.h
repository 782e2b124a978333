#pragma once

#include <QWidget>

#include "steps/figure.h"

namespace vorlinde {

// The working's figure, drawn to fit the widget; nothing at all for an empty figure.
class FigureView : public QWidget {
  Q_OBJECT

 public:
  explicit FigureView(QWidget* parent = nullptr);

  void setFigure(steps::Figure figure);
  const steps::Figure& figure() const { return figure_; }
  QSize sizeHint() const override { return {320, 240}; }
  QSize minimumSizeHint() const override { return {120, 90}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  steps::Figure figure_;
};

}  // namespace vorlinde
