#include "working/working_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLibrary>
#include <QListWidget>
#include <QMimeData>
#include <QPalette>
#include <QPdfWriter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "forms/message_box.h"
#include "working/figure_view.h"
#include "working/history.h"
#include "working/print_dialog.h"
#include "working/working_document.h"
#include "working/working_html.h"
#include "working/working_printer.h"

namespace vorlinde {
namespace {

QString timeText(qint64 when) {
  const QDateTime time = QDateTime::fromMSecsSinceEpoch(when).toLocalTime();
  if (time.date() == QDate::currentDate()) return time.toString("HH:mm:ss");
  return time.toString("yyyy-MM-dd HH:mm");
}

QString titleOf(const steps::Working& working) {
  QString title = QString::fromStdString(working.window);
  if (!working.panel.empty()) title += " · " + QString::fromStdString(working.panel);
  return title;
}

// A history entry in the list: its time and window on one line, its answer below.
QString entryText(const HistoryEntry& entry) {
  QString answer = QString::fromStdString(entry.answer);
  if (answer.size() > 60) answer = answer.left(59) + "…";
  return timeText(entry.calculation.when) + "  " + QString::fromStdString(entry.title) + "\n" +
         answer;
}

QPushButton* button(const QString& text, const QString& name, const QString& description) {
  auto* b = new QPushButton(text);
  b->setObjectName(name);
  b->setAccessibleName(text.chopped(text.endsWith("…") ? 1 : 0));
  b->setAccessibleDescription(description);
  b->setAutoDefault(false);
  return b;
}

// Beside the program in the build, else where it is installed relative to the program.
QString printModulePath() {
  const QString folder = QCoreApplication::applicationDirPath();
  const QString beside = folder + "/" VORLINDE_PRINT_MODULE;
  if (QFileInfo::exists(beside)) return beside;
  return QDir::cleanPath(folder + "/" VORLINDE_PRINT_MODULE_DIR "/" VORLINDE_PRINT_MODULE);
}

}  // namespace

WorkingWindow::WorkingWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("Working");
  setWindowTitle("解题过程");
  // The tool windows' face: its words look alike everywhere, and no second CJK
  // face is loaded for the buttons and the history.
  setFont(working::workingFont(12));
  setAccessibleName("解题过程");
  buildLayout();
  resize(820, 560);
  showEmpty();
}

void WorkingWindow::buildLayout() {
  auto* split = new QSplitter(Qt::Horizontal);
  split->addWidget(buildWorkingSide());
  split->addWidget(buildHistorySide());
  split->setStretchFactor(0, 1);
  split->setSizes({640, 180});
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(split, 1);
  layout->addWidget(buildButtons());
}

// The working's text, its heading first, and its figure below it.
QWidget* WorkingWindow::buildWorkingSide() {
  text_ = new QTextBrowser;
  text_->setObjectName("WorkingText");
  text_->setAccessibleName("解题过程");
  text_->setOpenLinks(false);
  // Colours by palette, not by style sheet: a style sheet would load Qt's
  // style-sheet machinery for two colours.
  QPalette page = text_->palette();
  page.setColor(QPalette::Base, Qt::white);
  page.setColor(QPalette::Text, QColor(0x1a, 0x1a, 0x1a));
  text_->setPalette(page);
  text_->setPlaceholderText("还没有计算。请先在工具窗口中计算。");
  figure_ = new FigureView;
  figure_->setObjectName("WorkingFigure");
  auto* split = new QSplitter(Qt::Vertical);
  split->addWidget(text_);
  split->addWidget(figure_);
  split->setSizes({352, 168});
  return split;
}

QWidget* WorkingWindow::buildHistorySide() {
  history_ = new QListWidget;
  history_->setObjectName("WorkingHistory");
  history_->setAccessibleName("历史记录");
  history_->setAccessibleDescription("以前的计算，最新的在上面；选中一项即显示它的解题过程");
  history_->setWordWrap(false);
  history_->setUniformItemSizes(true);
  connect(history_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) emit entryChosen(row);
  });
  auto* label = new QLabel("历史记录(&H)");
  label->setBuddy(history_);
  auto* side = new QWidget;
  auto* layout = new QVBoxLayout(side);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label);
  layout->addWidget(history_, 1);
  return side;
}

QWidget* WorkingWindow::buildButtons() {
  clear_ = button("清空", "WorkingClear", "清空历史记录");
  clear_->setEnabled(false);
  QPushButton* copy = button("复制", "WorkingCopy", "把解题过程复制到剪贴板");
  QPushButton* pdf = button("保存为 PDF…", "WorkingPdf", "把解题过程保存为 PDF 文件");
  QPushButton* print = button("打印…", "WorkingPrint", "打印解题过程");
  connect(clear_, &QPushButton::clicked, this, &WorkingWindow::askClear);
  connect(copy, &QPushButton::clicked, this, &WorkingWindow::copy);
  connect(pdf, &QPushButton::clicked, this, &WorkingWindow::askPdf);
  connect(print, &QPushButton::clicked, this, &WorkingWindow::print);
  time_ = new QLabel;
  time_->setObjectName("WorkingTime");
  time_->setAccessibleName("计算时间");
  QPalette grey = time_->palette();
  grey.setColor(QPalette::WindowText, QColor(0x5f, 0x63, 0x68));
  time_->setPalette(grey);
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(clear_);
  layout->addStretch(1);
  layout->addWidget(time_);
  layout->addStretch(1);
  for (QPushButton* b : {copy, pdf, print})
    layout->addWidget(b);
  return row;
}

// A slip of the hand must not lose the pupil's history: they are asked first.
void WorkingWindow::askClear() {
  const int count = history_->count();
  if (count > 0 &&
      askQuestion(this, QString("清空全部 %1 条历史记录？").arg(count), "清空", "取消"))
    emit clearRequested();
}

void WorkingWindow::showWorking(const steps::Working& working, qint64 when) {
  working_ = working;
  title_ = titleOf(working);
  time_->setText("计算于 " + timeText(when));
  setDocument(working);
  figure_->setFigure(working.figure);
  figure_->setVisible(!working.figure.empty());
}

// The working is typeset into a new document, away from the view: one laid out
// at the screen, it would be laid out again at every piece of text put in.
void WorkingWindow::setDocument(const steps::Working& working) {
  QTextDocument* old = text_->document();
  const bool ours = old->parent() == text_;  // the view's first document is its own
  auto* document = new QTextDocument(text_);
  document->setUndoRedoEnabled(false);
  document->setDocumentMargin(10);
  working::typesetWorking(*document, working, working::workingFont());
  text_->setDocument(document);
  if (ours) delete old;
}

void WorkingWindow::showEmpty() {
  working_ = {};
  title_ = "解题过程";
  time_->clear();
  setDocument({});
  figure_->setFigure({});
  figure_->hide();
}

// Five hundred entries go in as one insertion, laid out once.
void WorkingWindow::setHistory(const std::vector<HistoryEntry>& entries) {
  const QSignalBlocker quiet(history_);
  history_->clear();
  QStringList texts;
  for (const HistoryEntry& entry : entries)
    texts << entryText(entry);
  history_->addItems(texts);
  for (std::size_t i = 0; i < entries.size(); ++i)
    history_->item(int(i))->setToolTip(QString::fromStdString(entries[i].answer));
  clear_->setEnabled(!entries.empty());
}

void WorkingWindow::addToHistory(const HistoryEntry& entry) {
  const QSignalBlocker quiet(history_);
  history_->insertItem(0, entryText(entry));
  history_->item(0)->setToolTip(QString::fromStdString(entry.answer));
  while (history_->count() > int(History::kLimit))
    delete history_->takeItem(history_->count() - 1);
  clear_->setEnabled(true);
}

void WorkingWindow::markEntry(int row) {
  const QSignalBlocker quiet(history_);
  history_->setCurrentRow(row);
}

void WorkingWindow::sayHistoryKeptAside(const QString& fileName) {
  time_->setText("原有的历史记录已损坏，已另存为 " + fileName);
}

void WorkingWindow::copy() const {
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(working_.plainText()));
  data->setHtml(working::workingHtml(working_));
  QApplication::clipboard()->setMimeData(data);
}

bool WorkingWindow::savePdf(const QString& path) const {
  QPdfWriter writer(path);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
  writer.setResolution(300);
  writer.setTitle(title_);
  writer.setCreator("Vorlinde");
  return working::printWorking(writer, working_);
}

void WorkingWindow::askPdf() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QString path = QFileDialog::getSaveFileName(this, "保存为 PDF", folder + "/解题过程.pdf",
                                              "PDF 文件 (*.pdf)");
  if (path.isEmpty()) return;
  if (!path.endsWith(".pdf", Qt::CaseInsensitive)) path += ".pdf";
  writePdf(path);
}

void WorkingWindow::writePdf(const QString& path) {
  if (!savePdf(path)) messageBox(this, "无法写入文件：\n" + QDir::toNativeSeparators(path));
}

// Qt's print support is loaded only here, the first time printing is asked for.
void WorkingWindow::print() {
  if (!printModule_) printModule_ = new QLibrary(printModulePath(), this);
  const auto dialog = reinterpret_cast<working::PrintDialogFunction>(
      printModule_->resolve(working::kPrintDialogSymbol));
  if (!dialog) {
    messageBox(this, "未能载入打印支持，所以无法打印。\n" + printModule_->errorString());
    return;
  }
  const auto paint = [this](QPagedPaintDevice& printer) {
    return working::printWorking(printer, working_);
  };
  if (dialog(this, title_, paint) == working::PrintOutcome::Failed)
    messageBox(this, "无法打印解题过程。");
}

}  // namespace vorlinde
