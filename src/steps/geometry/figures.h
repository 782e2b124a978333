#pragma once

#include <string>
#include <vector>

#include "exact/exact.h"
#include "steps/figure.h"

// The geometry window's shapes drawn to scale at unit size, whatever the size of
// the measurements, and labelled with their real values. A measurement far
// smaller than the others keeps a visible size and the caption says so.

namespace vorlinde::steps {

// The sizes to draw: each value over the largest, none below a visible least;
// notToScale when one had to be raised to it.
struct Drawn {
  std::vector<double> sizes;
  bool notToScale = false;
};
Drawn drawnSizes(const std::vector<exact::Rational>& values);
// The view around a figure's shapes, with a margin for the labels.
void fitView(Figure& f);
// Where a measurement was drawn larger than to scale, the caption says so.
void scaleNote(Figure& f, bool notToScale);

Figure triangleFigure(const exact::Rational& base, const exact::Rational& height,
                      const std::string& baseLabel, const std::string& heightLabel);
// Sides a = BC, b = CA, c = AB; three segments side by side where they make no triangle.
Figure sidesFigure(const std::vector<exact::Rational>& sides,
                   const std::vector<std::string>& labels, bool triangle);
Figure rectangleFigure(const exact::Rational& length, const exact::Rational& width,
                       const std::string& lengthLabel, const std::string& widthLabel);
Figure trapezoidFigure(const std::vector<exact::Rational>& lowerHeightUpper,
                       const std::vector<std::string>& labels);
Figure circleFigure(const std::string& radiusLabel);
Figure sectorFigure(const exact::Rational& degrees, const std::string& radiusLabel,
                    const std::string& angleLabel);

// Solids in oblique projection: circular faces as ellipses, hidden edges dashed.
Figure cylinderFigure(const exact::Rational& radius, const exact::Rational& height,
                      const std::string& radiusLabel, const std::string& heightLabel);
Figure coneFigure(const exact::Rational& radius, const exact::Rational& height,
                  const std::vector<std::string>& labels);  // r, h, l
Figure sphereFigure(const std::string& radiusLabel);

}  // namespace vorlinde::steps
