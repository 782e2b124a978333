#include <gtest/gtest.h>

#include <cstdio>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QTimer>

#include "steps/working_lines.h"
#include "working/history.h"
#include "working/line_breaks.h"
#include "working/working_window.h"
#include "working/workings.h"

namespace vorlinde {
namespace {

using steps::clicked;

// A system of ten equations with small whole coefficients, row by row.
Calculation tenByTen() {
  std::vector<std::string> texts;
  for (int i = 0; i < 10; ++i)
    for (int j = 0; j <= 10; ++j)
      texts.push_back(std::to_string((i * 7 + j * 3) % 11 + (i == j ? 20 : 0)));
  return {PanelId::LinearSystem, texts, 10};
}

const std::pair<const char*, Calculation> kWorkings[] = {
    {"sin 30°", clicked(PanelId::Trigonometry, {"30"})},
    {"the seven series at 10", clicked(PanelId::SpecialSeries, {"10"})},
    {"a 10 × 10 system", tenByTen()},
    {"170!", clicked(PanelId::Factorial, {"170"})},
    {"a quadratic of 1E+300", clicked(PanelId::Quadratic, {"1E300", "-3E300", "1"})},
};

class PaperTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QDir(QFileInfo(History::defaultPath()).absolutePath()).mkpath(".");
    workings.show();
  }
  QTextBrowser* text() { return workings.window()->findChild<QTextBrowser*>("WorkingText"); }

  Workings workings;
};

// Saves the working shown as the pupil does: "保存为 PDF…", the name typed, accepted.
void saveAs(WorkingWindow* window, const QString& path) {
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    poll.stop();
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();
  });
  poll.start(1);
  QTest::mouseClick(window->findChild<QPushButton*>("WorkingPdf"), Qt::LeftButton);
}

QString run(const QStringList& arguments) {
  QProcess process;
  process.start("pdftotext", arguments);
  EXPECT_TRUE(process.waitForFinished()) << "pdftotext (poppler-utils) is needed";
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The numbers of a text, their group spaces dropped.
QStringList numbers(QString text) {
  QStringList found;
  text.remove(QChar(0x2009));
  for (const QRegularExpressionMatch& m : QRegularExpression("\\d+(\\.\\d+)?").globalMatch(text))
    found << m.captured();
  return found;
}

TEST_F(PaperTest, EveryNumberAndEveryPageNumberOnThePaperInsideTheMargins) {
#ifdef Q_OS_WIN
  // In the form scripts/windows.sh lists after the suite.
  std::puts("test_working skipped: the PDF read back by poppler's pdftotext, which is Linux's");
  GTEST_SKIP();
#endif
  QTemporaryDir folder;
  int saved = 0;
  for (const auto& [what, calculation] : kWorkings) {
    SCOPED_TRACE(what);
    const steps::Working working = steps::workingFor(calculation);
    workings.record(calculation);
    QCoreApplication::processEvents();
    const QString path = folder.filePath(QString("%1.pdf").arg(++saved));
    saveAs(workings.window(), path);
    ASSERT_TRUE(QFileInfo::exists(path));

    // A number broken at the end of a line is one number read across it.
    QString paper = run({"-raw", path, "-"});
    paper.remove(QRegularExpression("(?<=\\d)[\\s\\x{2009}]*\\n\\s*(?=\\d)"));
    paper.remove(QChar(0x2009));
    for (const QString& number : numbers(QString::fromStdString(working.plainText())))
      EXPECT_TRUE(paper.contains(number)) << qPrintable(number);
    qsizetype at = paper.lastIndexOf("答");  // the answer's numbers come after it, in order
    for (const QString& number : numbers(QString::fromStdString(working.answer())))
      if (at >= 0) at = paper.indexOf(number, at);
    EXPECT_GE(at, 0);

    const QStringList pages = paper.split('\f', Qt::SkipEmptyParts);
    for (int k = 0; k < pages.size(); ++k)
      EXPECT_TRUE(pages[k].contains(QString("第 %1 页，共 %2 页").arg(k + 1).arg(pages.size())));

    // A4 with margins of 18 mm, in points.
    const double margin = 18 / 25.4 * 72, width = 595, height = 842;
    const QString boxes = run({"-bbox", path, "-"});
    const QRegularExpression word(
        "xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<");
    for (const QRegularExpressionMatch& m : word.globalMatch(boxes)) {
      const QRectF box(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                       QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
      EXPECT_TRUE(QRectF(margin - 1, margin - 1, width - 2 * margin + 2, height - 2 * margin + 2)
                      .contains(box))
          << qPrintable(m.captured(5));
    }
  }
}

// The working on the screen at a wide and a narrow window: every line of text
// within the width, continued where the working allows a break; only a table
// too wide even at 60 % scrolls sideways.
TEST_F(PaperTest, TheWorkingFitsItsWindow) {
  for (int windowWidth : {820, 560}) {
    workings.window()->resize(windowWidth, 560);
    for (const auto& [what, calculation] : {kWorkings[0], kWorkings[1], kWorkings[2]}) {
      SCOPED_TRACE(what);
      const steps::Working working = steps::workingFor(calculation);
      workings.record(calculation);
      QCoreApplication::processEvents();
      const QTextDocument* document = text()->document();
      const qreal room = text()->viewport()->width() - document->documentMargin();
      bool tables = false;
      for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const steps::Line& line = working.lines.at(block.blockNumber());
        const QRectF rect = document->documentLayout()->blockBoundingRect(block);
        const QTextLayout* layout = block.layout();
        if (line.kind == steps::LineKind::Row) {
          const QTextLine row = layout->lineAt(0);
          const qreal scale = rect.width() / (row.x() + row.naturalTextWidth());
          EXPECT_GE(scale, 0.6 - 1e-6);
          tables = tables || rect.right() > room;
          continue;
        }
        EXPECT_LE(rect.right(), room + 0.5) << block.blockNumber();
        const std::vector<working::LineBreak> breaks = working::lineBreaks(line.text);
        for (int i = 1; i < layout->lineCount(); ++i)
          EXPECT_TRUE(std::any_of(breaks.begin(), breaks.end(), [&](const working::LineBreak& b) {
            return b.at == layout->lineAt(i).textStart();
          })) << block.blockNumber();
      }
      EXPECT_EQ(text()->horizontalScrollBar()->maximum() > 0, tables);
    }
  }
}

}  // namespace
}  // namespace vorlinde
