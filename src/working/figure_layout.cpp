#include "working/figure_layout.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <optional>

#include "exact/notation.h"
#include "working/figure_geometry.h"
#include "working/figure_labels.h"

namespace vorlinde::working {
namespace {

using steps::Anchor;
using steps::Figure;

// The places a tick's number tries: beside the axis first, then on its other side.
constexpr Anchor kAcrossTickPlaces[] = {Anchor::Below,     Anchor::Above,      Anchor::BelowRight,
                                        Anchor::BelowLeft, Anchor::AboveRight, Anchor::AboveLeft};
constexpr Anchor kUpTickPlaces[] = {Anchor::Left,      Anchor::Right,      Anchor::BelowLeft,
                                    Anchor::AboveLeft, Anchor::BelowRight, Anchor::AboveRight};

class Layout {
 public:
  Layout(const Figure& figure, const QRectF& area, const QFont& font)
      : figure_(figure), fm_(font), area_(area) {
    out_.unit = font.pixelSize() > 0 ? font.pixelSize() / 16.0 : fm_.height() / 18;
    unit_ = out_.unit;
    const qreal margin = fm_.height() * 1.1;
    const qreal caption = figure.caption.empty() ? 0 : fm_.height() * 1.3;
    QRectF room = area.adjusted(margin, margin, -margin, -margin - caption);
    if (room.width() < 1 || room.height() < 1) room = QRectF(area.center(), QSizeF(1, 1));
    map_.emplace(figure, room);
    out_.plot = map_->plot();
    // Shapes are cut at the view's edge, a hair past it so that strokes on the edge show.
    clip_ = out_.plot.adjusted(-2 * unit_, -2 * unit_, 2 * unit_, 2 * unit_);
    out_.caption = QString::fromStdString(notation::plain(figure.caption));
    out_.captionBox = QRectF(area.left(), out_.plot.bottom() + margin * 0.5, area.width(), caption);
    const qreal captionWidth = fm_.horizontalAdvance(out_.caption);
    obstacles_.addBox(QRectF(out_.captionBox.center().x() - captionWidth / 2, out_.captionBox.top(),
                             captionWidth, caption));
  }

  FigureLayout run() {
    for (const Figure::Path& path : figure_.paths)
      addLine(path.points, path.stroke, path.closed, path.filled);
    for (const Figure::Ellipse& e : figure_.ellipses)
      addLine(ellipsePoints(e), e.stroke, false, false);
    if (figure_.axes) layAxes();
    for (const Figure::Dot& dot : figure_.dots)
      addDot(dot);
    nameAxes();
    for (const Figure::Label& label : figure_.labels)
      if (label.anchor == Anchor::Centre) addLabel(label);
    if (figure_.axes) layNumbers();
    for (const Figure::Label& label : figure_.labels)
      if (label.anchor != Anchor::Centre) addLabel(label);
    dropCoveredNumbers();
    return std::move(out_);
  }

 private:
  QPolygonF mapped(const std::vector<steps::Point>& points) const {
    QPolygonF out;
    for (const steps::Point& point : points)
      if (const auto at = map_->map(point)) out << *at;
    return out;
  }

  void addLine(const std::vector<steps::Point>& points, steps::Stroke stroke, bool closed,
               bool filled) {
    QPolygonF line = mapped(points);
    if (closed && filled && line.size() > 2) out_.fills.push_back(clipPolygon(line, clip_));
    if (closed && line.size() > 2) line << line.first();
    for (QPolygonF& part : clipPolyline(line, clip_)) {
      obstacles_.addLine(part);
      out_.lines.push_back({std::move(part), stroke});
    }
  }

  void addDot(const Figure::Dot& dot) {
    const auto at = map_->map(dot.at);
    if (!at || !clip_.contains(*at)) return;
    const bool emphasis = dot.stroke == steps::Stroke::Emphasis;
    const qreal radius = unit_ * (emphasis ? 4 : 3);
    out_.dots.push_back({*at, radius, emphasis});
    obstacles_.addBox(QRectF(*at - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)));
  }

  QSizeF sizeOf(const QString& text) const {
    return {fm_.horizontalAdvance(text) + 2 * unit_, fm_.height()};
  }

  // A text set where it was placed, which later texts keep clear of.
  void set(const QRectF& box, const QString& text, FigureLayout::Text::Kind kind) {
    out_.texts.push_back({box, text, kind});
    obstacles_.addBox(box, kind == FigureLayout::Text::Number);
  }

  // The label at the first of its points where a place is clear, or where it covers least.
  void addLabel(const Figure::Label& label) {
    const QString text = QString::fromStdString(notation::plain(label.text));
    const std::vector<Anchor> places = placesFrom(label.anchor);
    // Beside the point, or a little farther out where lines meet at it.
    const qreal gaps[] = {5 * unit_, 12 * unit_, 20 * unit_};
    std::optional<Placed> best;
    for (std::size_t i = 0; i <= label.also.size() && !(best && best->covered == 0); ++i) {
      const auto at = map_->map(i == 0 ? label.at : label.also[i - 1]);
      if (!at || !clip_.contains(*at)) continue;
      const Placed placed = placeLabel(*at, sizeOf(text), places, gaps, obstacles_, area_);
      if (!best || placed.covered < best->covered) best = placed;
    }
    if (!best) return;
    set(best->box, text, FigureLayout::Text::Label);
    labels_.push_back(best->box);
  }

  void layAxes();
  void nameAxes();
  void layNumbers();
  void layNumbers(bool across);
  void dropCoveredNumbers();

  const Figure& figure_;
  QFontMetricsF fm_;
  QRectF area_, clip_;
  qreal unit_ = 1;
  std::optional<FigureMap> map_;
  std::optional<QPointF> origin_;
  bool across_ = false, up_ = false;
  Obstacles obstacles_;
  std::vector<QRectF> labels_;
  std::vector<std::size_t> numbers_;  // the tick numbers among the texts
  FigureLayout out_;
};

// The axes run a little past the view, their arrows and names clear of the last ticks.
void Layout::layAxes() {
  origin_ = map_->map({0, 0});
  if (!origin_) return;
  const QRectF& plot = out_.plot;
  const QRectF view = plot.adjusted(-0.5, -0.5, 0.5, 0.5);
  const qreal reach = 14 * unit_, overhang = 6 * unit_;
  across_ = view.top() <= origin_->y() && origin_->y() <= view.bottom();
  up_ = view.left() <= origin_->x() && origin_->x() <= view.right();
  if (across_)
    out_.axes.push_back({QPointF(plot.left() - overhang, origin_->y()),
                         QPointF(plot.right() + reach, origin_->y())});
  if (up_)
    out_.axes.push_back({QPointF(origin_->x(), plot.bottom() + overhang),
                         QPointF(origin_->x(), plot.top() - reach)});
  for (const QLineF& axis : out_.axes)
    obstacles_.addLine(QPolygonF{axis.p1(), axis.p2()});
}

// Each axis named beside its arrow, on whichever side is clear.
void Layout::nameAxes() {
  static constexpr Anchor kAcross[] = {Anchor::BelowLeft, Anchor::AboveLeft, Anchor::Below,
                                       Anchor::Above};
  static constexpr Anchor kUp[] = {Anchor::BelowRight, Anchor::BelowLeft, Anchor::Right,
                                   Anchor::Left};
  const qreal gap[] = {4 * unit_};
  for (const QLineF& axis : out_.axes) {
    const bool across = axis.dy() == 0;
    const QString name = across ? "x" : "y";
    const Placed placed =
        placeLabel(axis.p2(), sizeOf(name), across ? std::span<const Anchor>(kAcross) : kUp, gap,
                   obstacles_, area_);
    set(placed.box, name, FigureLayout::Text::AxisName);
  }
}

// The origin's name, then the numbers of the ticks, each where it is clear or not at all.
void Layout::layNumbers() {
  if (across_ && up_) {
    const std::vector<Anchor> places = placesFrom(Anchor::BelowLeft);
    const qreal gap[] = {4 * unit_};
    set(placeLabel(*origin_, sizeOf("O"), places, gap, obstacles_, area_).box, "O",
        FigureLayout::Text::AxisName);
  }
  if (across_) layNumbers(true);
  if (up_) layNumbers(false);
}

void Layout::layNumbers(bool across) {
  const double low = across ? map_->left() : map_->bottom();
  const double high = across ? map_->right() : map_->top();
  const double pixels = across ? out_.plot.width() : out_.plot.height();
  const double most = std::max(2.0, pixels / (fm_.height() * (across ? 2 : 1.2)));
  const qreal size = 3 * unit_, gap[] = {4 * unit_};
  for (const double value : tickValues(low, high, across ? figure_.xTick : figure_.yTick, most)) {
    const QPointF at = *map_->map(across ? steps::Point{value, 0} : steps::Point{0, value});
    out_.ticks.push_back({at, at + (across ? QPointF(0, -size) : QPointF(size, 0))});
    const QString text = tickText(value);
    const Placed placed = placeLabel(at, sizeOf(text),
                                     across ? std::span<const Anchor>(kAcrossTickPlaces)
                                            : std::span<const Anchor>(kUpTickPlaces),
                                     gap, obstacles_, area_);
    if (obstacles_.coverage(placed.box).total() > 0 || !area_.contains(placed.box)) continue;
    numbers_.push_back(out_.texts.size());
    set(placed.box, text, FigureLayout::Text::Number);
  }
}

// A label takes precedence over the tick numbers it covers.
void Layout::dropCoveredNumbers() {
  std::vector<bool> drop(out_.texts.size(), false);
  for (const std::size_t n : numbers_)
    for (const QRectF& label : labels_)
      drop[n] = drop[n] || out_.texts[n].box.intersects(label);
  std::vector<FigureLayout::Text> kept;
  for (std::size_t i = 0; i < out_.texts.size(); ++i)
    if (!drop[i]) kept.push_back(std::move(out_.texts[i]));
  out_.texts = std::move(kept);
}

}  // namespace

FigureLayout layOutFigure(const steps::Figure& figure, const QRectF& area, const QFont& font) {
  return Layout(figure, area, font).run();
}

}  // namespace vorlinde::working
