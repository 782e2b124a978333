#include <gtest/gtest.h>

#include "core/messages.h"
#include "forms/result_fit.h"
#include "support/form_driver.h"
#include "windows/algebra_window.h"
#include "windows/equation_window.h"
#include "windows/geometry_window.h"
#include "windows/linear_system_window.h"
#include "windows/sequence_window.h"

// No result is ever cut off: every result label, given the longest text it can
// show or a text that just fills its place, shows the whole of it, keeps 4 px
// from the next control and overlaps none, and the window holds everything;
// emptied again, every control is back in its table place.

namespace vorlinde::test {
namespace {

const std::string kLongest = "-1.23456789012345E-308";
constexpr int kGap = 4;

// The longest result, or digits that end where the label's place in the table ends.
std::string resultText(const QLabel* label, const std::string& prefix, bool fill) {
  std::string text = prefix + (fill ? "1." : kLongest);
  while (fill && label->fontMetrics().horizontalAdvance(QString::fromStdString(text + "5")) <=
                     label->width())
    text += "5";
  return text;
}

QRect inWindow(QWidget* w) {
  return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

// What the control covers, in the window.
QRect coveredBy(QWidget* control) {
  return footprint(control).translated(inWindow(control).topLeft() - control->pos());
}

bool showsWhole(QLabel* label) {
  const QFontMetrics metrics(label->font());
  const QStringList lines =
      label->wordWrap() ? resultLines(label, label->width()) : QStringList{label->text()};
  for (const QString& line : lines)
    if (metrics.horizontalAdvance(line) > label->width()) return false;
  return (lines.size() - 1) * metrics.lineSpacing() + metrics.height() <= label->height();
}

template <class W>
void expectResultsFit(const std::string& prefix, bool fill) {
  Opened<W> opened;
  W& form = opened.form();
  QWidget* window = opened.window();
  if (window->objectName() == "Form3") {  // ten unknowns, solved, so every result shows
    type(window, "TxtNum", "10");
    click(window, "Command2");
    for (int k = 0; k < 100; ++k)
      type(window, QString("Text1(%1)").arg(k), k % 11 ? "0" : "1");
    click(window, "Command1");
  }
  const QSize tableSize = window->size();
  std::vector<QLabel*> results;
  for (const PanelEntry& panel : form.panels())
    for (const std::string& name : panel.labels)
      if (QLabel* label = form.label(name)) {
        results.push_back(label);
        // Of the algebra window's results, only the factorial has a prefix.
        const bool algebra = window->objectName() == "Form1";
        const std::string own = algebra && name != "Label5" ? "" : prefix;
        form.setCaption(name, algebra && name == "Label9" ? "结果分别为： 32768  1073741824"
                                                          : resultText(label, own, fill));
      }
  const QList<QWidget*> controls = window->findChildren<QWidget*>();
  for (QLabel* label : results) {
    if (label->isHidden()) continue;
    const std::string where = (window->objectName() + "." + label->objectName()).toStdString();
    EXPECT_TRUE(showsWhole(label)) << where << " " << label->width() << "x" << label->height();
    for (QWidget* other : controls) {
      if (other == label || other->isHidden() || other->isAncestorOf(label) ||
          !other->property("twips").isValid())
        continue;
      // Neighbouring rows of the tables share a pixel row; more is an overlap.
      EXPECT_LE(coveredBy(label).adjusted(0, 0, kGap, 0).intersected(coveredBy(other)).height(), 1)
          << where << " overlaps " << other->objectName().toStdString();
    }
  }
  for (QWidget* c : controls)
    if (!c->isHidden() && c->property("twips").isValid()) {
      EXPECT_TRUE(c->parentWidget()->rect().contains(c->geometry()))
          << c->objectName().toStdString() << " outside its container";
    }

  for (QLabel* label : results)
    form.setCaption(label->objectName().toStdString(), "");
  EXPECT_EQ(window->size(), tableSize) << window->objectName().toStdString();
  for (QWidget* c : controls) {
    const QRect t = c->property("twips").toRect();
    if (t.isValid() && !qobject_cast<QLabel*>(c)) {
      EXPECT_EQ(c->geometry().topLeft(), QPoint(toPixels(t.x()), toPixels(t.y())))
          << c->objectName().toStdString();
    }
  }
}

TEST(Results, EveryResultShowsWholeClearOfTheNextControl) {
  for (bool fill : {false, true}) {
    expectResultsFit<AlgebraWindow>(kFactorialPrefix, fill);
    expectResultsFit<EquationWindow>(kFirstRootPrefix, fill);
    expectResultsFit<LinearSystemWindow>("", fill);
    expectResultsFit<SequenceWindow>("", fill);
    expectResultsFit<GeometryWindow>(kMeasurePrefix, fill);
  }
}

}  // namespace
}  // namespace vorlinde::test
