#pragma once

#include <cmath>
#include <string>
#include <vector>

// A figure of the working, as plain data: what to draw in the figure's own
// units, y growing upwards. The working window scales it into its widget and
// draws it with QPainter; every coordinate is finite and the builders keep the
// shapes in a sensible range (a triangle of sides 1E+200 is drawn at unit size
// and labelled with its real sides).

namespace vorlinde::steps {

struct Point {
  double x = 0, y = 0;
};

enum class Stroke {
  Solid,     // the shape itself
  Dashed,    // heights, projections, hidden edges, axes of symmetry
  Thin,      // construction lines and grids
  Emphasis,  // the answer: a root, the meeting point, the chosen angle
};

// Where a label stands against its point. A centred label is set on its point
// (a number of the ladder, the name of an angle); any other anchor is the first
// of the eight places around the point that the painter tries, taking the first
// clear of the figure's lines and texts.
enum class Anchor {
  Centre,
  Above,
  Below,
  Left,
  Right,
  AboveLeft,
  AboveRight,
  BelowLeft,
  BelowRight
};

// A tick step of 1, 2 or 5 times a power of ten, about six to the extent.
inline double niceTick(double extent) {
  if (!(extent > 0) || !std::isfinite(extent)) return 1;
  const double raw = extent / 6;
  const double power = std::pow(10.0, std::floor(std::log10(raw)));
  const double m = raw / power;
  return (m < 1.5 ? 1 : m < 3.5 ? 2 : m < 7.5 ? 5 : 10) * power;
}

struct Figure {
  // The part of the plane to show; the window adds a margin for the labels.
  double left = 0, bottom = 0, right = 1, top = 1;
  bool sameScale = true;  // one unit as long across as up: circles stay round
  // Where the units differ, the drawing's width over its height, kept at any size.
  double aspect = 4.0 / 3;

  // Axes through the origin with ticks every xTick and yTick (0: none), each
  // labelled with its number text; "x" and "y" at the ends.
  bool axes = false;
  double xTick = 0, yTick = 0;

  struct Path {
    std::vector<Point> points;
    Stroke stroke = Stroke::Solid;
    bool closed = false;
    bool filled = false;  // a light fill inside a closed path
  };
  struct Ellipse {  // an arc of an ellipse, angles in degrees counterclockwise from +x
    Point centre;
    double rx = 0, ry = 0;
    double startDegrees = 0, spanDegrees = 360;
    Stroke stroke = Stroke::Solid;
  };
  struct Dot {
    Point at;
    Stroke stroke = Stroke::Solid;  // Emphasis for an answer
  };
  struct Label {
    Point at;
    std::string text;  // notation markup, drawn as its plain text
    Anchor anchor = Anchor::Centre;
    // Other points it may stand at, tried in turn where no place around the
    // first is clear: along a line it names, inside an angle.
    std::vector<Point> also = {};
  };

  std::vector<Path> paths;
  std::vector<Ellipse> ellipses;
  std::vector<Dot> dots;
  std::vector<Label> labels;
  std::string caption;  // under the figure: "y = x² - 3x + 1"

  bool empty() const { return paths.empty() && ellipses.empty() && dots.empty() && labels.empty(); }
};

}  // namespace vorlinde::steps
