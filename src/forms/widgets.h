#pragma once

#include <QGroupBox>
#include <QLabel>

class QListWidget;

namespace vorlinde {

// A label whose caption wraps inside its box at blanks and between Chinese
// characters (see wrapCaption); one that sizes itself to its caption is drawn as
// a plain QLabel.
class FormLabel : public QLabel {
 public:
  using QLabel::QLabel;

  // A result label: a click selects the whole result, which Ctrl+C or the
  // context menu's "复制" copies. It takes no part in the Tab order. The menu
  // also offers the label's own actions.
  void makeSelectable();
  bool isResult() const { return selectable_; }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void copy() const;

  bool selectable_ = false;
};

// A frame drawn like the style's own, but by the painter: the style draws its
// frame from a PNG picture, whose decoding makes Qt load every image-format
// plugin installed.
class FormFrame : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The list's selected entry goes to the clipboard on Ctrl+C or "复制", without
// the blanks that pad it.
void makeCopyable(QListWidget* list);

// What copying a result puts on the clipboard: the number (or numbers) it shows,
// without its caption: "阶乘结果是：120" gives "120", "x1=-0.5" gives "-0.5".
QString copiedResult(const QString& shown);

}  // namespace vorlinde
