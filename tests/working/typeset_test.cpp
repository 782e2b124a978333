#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <cmath>
#include <limits>

#include "exact/notation.h"
#include "sample_working.h"
#include "working/figure_view.h"
#include "working/typeset_line.h"
#include "working/working_document.h"

namespace vorlinde::working {
namespace {

using namespace notation;
using steps::LineKind;

// Where the characters of one typeset line stand, character by character.
struct Placed {
  explicit Placed(const steps::Line& line) {
    typesetWorking(document, {"", "", {line}, {}}, workingFont());
    document.setTextWidth(2000);  // wide enough for one line
    document.size();              // lays the document out
    layout = document.firstBlock().layout();
  }
  qreal x(const QString& text) const {
    const qsizetype at = document.toPlainText().indexOf(text);
    EXPECT_GE(at, 0) << qPrintable(text);
    return layout->lineAt(0).cursorToX(int(at));
  }
  // The texts measured are mathematics, set in the mathematical face.
  qreal width(const QString& text) const {
    return QFontMetricsF(mathFont(workingFont())).horizontalAdvance(text);
  }
  qreal centre(const QString& text) const { return x(text) + width(text) / 2; }

  QTextDocument document;
  QTextLayout* layout = nullptr;
};

TEST(Typeset, NumeratorAndDenominatorAreCentredOnEachOther) {
  const struct {
    steps::Line line;
    QString numerator, denominator, after;
  } cases[] = {
      {{LineKind::Step, "x = " + frac("3+" + root("5"), "2") + " ok"}, "3+", "2", " ok"},
      {{LineKind::Step, "y = " + frac("1", "2a+1") + " ok"}, "1", "2a+1", " ok"},
      {{LineKind::Step, frac("1", "2a+1") + " ok"}, "1", "2a+1", " ok"},
      {{LineKind::Step, frac("7", "9") + frac("1", "2a+1") + " ok"}, "1", "2a+1", " ok"},
      {{LineKind::Row, "", {"x", "0", frac("1", "2a+1")}}, "1", "2a+1", ""},
  };
  for (const auto& c : cases) {
    const Placed placed(c.line);
    SCOPED_TRACE(qPrintable(placed.document.toPlainText()));
    ASSERT_EQ(placed.layout->lineCount(), 1);
    // "3+" stands for the numerator 3+√5, whose centre lies a radical further on.
    const qreal numerator = c.numerator == "3+" ? placed.x("3+") + placed.width("3+√5") / 2
                                                : placed.centre(c.numerator);
    EXPECT_NEAR(numerator, placed.centre(c.denominator), 1.0);
    EXPECT_GE(placed.x(c.denominator), 0);
    if (!c.after.isEmpty()) {
      EXPECT_GE(placed.x(c.after), placed.x(c.denominator) + placed.width(c.denominator));
    }
  }
}

// The face of each character of a typeset line: "t" the working's own, "m" the
// mathematical face upright, "i" its italic.
QString facesOf(const TypesetLine& line) {
  QString faces;
  for (const Piece& piece : line.pieces) {
    const QString first = piece.format.fontFamilies().toStringList().value(0);
    const QChar face = first == workingFont().families().value(0) ? 't'
                       : first != kMathFace                       ? '?'
                       : piece.format.fontItalic()                ? 'i'
                                                                  : 'm';
    faces += QString(piece.text.size(), face);
  }
  return faces;
}

TEST(Typeset, VariablesItalicFunctionNamesUprightChineseInTheWorkingsFace) {
  const struct {
    std::string markup;
    const char* faces;
  } cases[] = {
      {"母线 " + formula("l = 5"), "ttmimmmm"},
      {formula("ln m"), "mmmi"},
      {formula("sin α = 1/2"), "mmmmimmmmmm"},
      {"答：" + formula("a" + sub("n")), "ttii"},
      {"答：" + var("a") + sub("n"), "ttim"},
      {var("a" + sub("1") + "₂"), "imm"},  // an index's digits stay upright
      {formula("a" + sub("1") + "q" + sup("n-1")), "imiimm"},
      {"“12cm”，" + frac("π", var("x")), "tmmmmttmmi"},
  };
  const LineSetter set(workingFont(), Qt::black);
  for (const auto& c : cases)
    EXPECT_EQ(facesOf(set(c.markup)).toStdString(), c.faces) << plain(c.markup);
}

TEST(Typeset, TheMathematicalFaceFallsBackToDejaVuSerif) {
  const struct {
    QString face;
    QString resolved;
  } cases[] = {{kMathFace, kMathFace}, {"No Such Face", "DejaVu Serif"}};
  for (const auto& c : cases) {
    QFont font = mathFont(workingFont(), c.face);
    EXPECT_EQ(QFontInfo(font).family(), c.resolved);
    font.setItalic(true);
    EXPECT_EQ(QFontInfo(font).family(), c.resolved);
    EXPECT_TRUE(QFontInfo(font).italic());
  }
}

// The sample figure with a filled square and an emphasised arc added, in the view given.
steps::Figure figureIn(double left, double bottom, double right, double top, double tick) {
  steps::Figure f = sample::quadratic().figure;
  f.left = left, f.bottom = bottom, f.right = right, f.top = top;
  f.xTick = f.yTick = tick;
  f.paths.push_back({{{0, 0}, {1, 0}, {1, 1}, {0, 1}}, steps::Stroke::Dashed, true, true});
  f.ellipses.push_back({{0.5, 0.5}, 0.5, 0.25, 30, 300, steps::Stroke::Emphasis});
  return f;
}

TEST(FigureView, PaintsAnyFiniteFigureWithoutFailing) {
  constexpr double big = std::numeric_limits<double>::max(), tiny = 1e-300;
  const struct {
    const char* name;
    steps::Figure figure;
    bool seen;  // the emphasised answer lies in the view
  } cases[] = {
      {"the sample", sample::quadratic().figure, true},
      {"a square", figureIn(-1, -1, 2, 2, 0.5), true},
      {"a point for a view", figureIn(3, 3, 3, 3, 1), false},
      {"a view upside down", figureIn(2, 2, -1, -1, 1), true},
      {"the whole of the doubles", figureIn(-big, -big, big, big, tiny), false},
      {"a tiny view", figureIn(0, 0, tiny, tiny, 1e-310), false},
      {"a tiny view far out", figureIn(1e300, 1e300, 1e300 + 1e285, 1e300 + 1e285, 1), false},
      {"a view of no height", figureIn(-5, 1, 5, 1, 1), false},
  };
  FigureView view;
  view.resize(320, 240);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    view.setFigure(c.figure);
    const QImage image = view.grab().toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        const QColor colour = image.pixelColor(x, y);
        red += colour.red() > 150 && colour.green() < 100;
      }
    if (c.seen) {
      EXPECT_GT(red, 20);
    }
  }
  steps::Figure wild = figureIn(-1, -1, 2, 2, 1);
  wild.paths.push_back({{{0, 0}, {big, -big}, {-big, big}, {tiny, 0}}, steps::Stroke::Dashed});
  wild.ellipses.push_back({{0, 0}, big, big, 0, 1e300, steps::Stroke::Dashed});
  wild.labels.push_back({{big, big}, "far", steps::Anchor::Above});
  view.setFigure(wild);
  EXPECT_FALSE(view.grab().isNull());
}

}  // namespace
}  // namespace vorlinde::working
