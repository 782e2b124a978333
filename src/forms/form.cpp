#include "forms/form.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVariant>
#include <cmath>

#include "core/runtime_error.h"
#include "forms/message_box.h"

namespace vorlinde {
namespace {

constexpr const char* kTwipsProperty = "twips";
constexpr const char* kNamedByProperty = "namedBy";

QString fromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QRect pixelRect(Twips t) {
  return QRect(toPixels(t.left), toPixels(t.top), toPixels(t.width), toPixels(t.height));
}

// The forms were laid out for a 9-point CJK font, about 12 pixels high, whose
// Latin letters are half as wide as its characters. Where 宋体 itself is missing,
// the Ming face of AR PL, or else a monospaced WenQuanYi face, has the same
// widths, so captions fit their boxes.
const QStringList kCjkFallbacks = {"SimSun", "AR PL UMing CN", "WenQuanYi Zen Hei Mono",
                                   "WenQuanYi Micro Hei Mono", "Noto Sans Mono CJK SC"};

QFont windowFont() {
  QFont font;
  font.setFamilies(QStringList{"宋体"} + kCjkFallbacks);
  font.setPixelSize(12);
  return font;
}

QFont controlFont(const FontChoice& choice) {
  QFont font = windowFont();
  if (choice.family)
    font.setFamilies(QStringList{QString::fromUtf8(choice.family)} + kCjkFallbacks);
  // 96 dots per inch: a point is 4/3 of a logical pixel.
  if (choice.points > 0) font.setPixelSize(int(std::lround(choice.points * 4 / 3)));
  return font;
}

void paintBackdrop(QWidget* w, Backdrop backdrop) {
  if (backdrop == Backdrop::Default) return;
  QPalette palette = w->palette();
  QColor colour = backdrop == Backdrop::ButtonFace ? palette.color(QPalette::Button)
                  : backdrop == Backdrop::Window   ? palette.color(QPalette::Base)
                                                   : palette.color(QPalette::HighlightedText);
  palette.setColor(QPalette::Window, colour);
  palette.setColor(QPalette::Base, colour);
  w->setPalette(palette);
  w->setAutoFillBackground(true);
}

// Splits a caption into the lines a label of the given width shows, the way the
// forms' labels wrap: at blanks and between Chinese characters, never inside a
// number or a word (one longer than the line stands alone and is cut at the edge).
// The blanks where a line breaks vanish; leading blanks of the caption stay.
bool isClosingMark(QChar ch) {
  return QStringLiteral("：，。、！？）；」』》…”’").contains(ch);
}
bool isOpeningMark(QChar ch) {
  return QStringLiteral("（「『《“‘").contains(ch);
}

// A label whose caption wraps inside its box (see wrapCaption); a label that
// sizes itself to its caption is a plain single-line QLabel.
class FormLabel : public QLabel {
 public:
  using QLabel::QLabel;

  // A result label: a click selects the whole result, which Ctrl+C or the
  // context menu's "复制" copies. It takes no part in the Tab order.
  void makeSelectable() {
    if (selectable_) return;
    selectable_ = true;
    setFocusPolicy(Qt::ClickFocus);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* copy = new QAction(QStringLiteral("复制"), this);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this,
            [this] { QGuiApplication::clipboard()->setText(text()); });
    addAction(copy);
  }

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QLabel::focusInEvent(event);
    update();
  }
  void focusOutEvent(QFocusEvent* event) override {
    QLabel::focusOutEvent(event);
    update();
  }

  void paintEvent(QPaintEvent* event) override {
    if (!wordWrap()) return QLabel::paintEvent(event);
    QPainter painter(this);
    const bool selected = selectable_ && hasFocus() && !text().isEmpty();
    if (selected) painter.fillRect(rect(), palette().color(QPalette::Highlight));
    painter.setPen(selected ? palette().color(QPalette::HighlightedText)
                            : palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                              foregroundRole()));
    const QFontMetrics metrics(font());
    int top = 0;
    for (const QString& line : wrapCaption(text(), metrics, width())) {
      if (top >= height()) break;
      painter.drawText(QRect(0, top, width(), metrics.height()),
                       Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, line);
      top += metrics.lineSpacing();
    }
  }

 private:
  bool selectable_ = false;
};

// The list's selected entry goes to the clipboard on Ctrl+C or "复制".
void makeCopyable(QListWidget* list) {
  list->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copy = new QAction(QStringLiteral("复制"), list);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(copy, &QAction::triggered, list, [list] {
    if (QListWidgetItem* item = list->currentItem())
      QGuiApplication::clipboard()->setText(item->text());
  });
  list->addAction(copy);
}

// The accessible name of a control named by a label's caption: the caption
// without its closing colon, and for a result label the result after it.
void nameForAccessibility(QWidget* w) {
  QString name = w->property(kNamedByProperty).toString();
  if (name.isEmpty()) return;
  if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
    name += QStringLiteral(" ") + label->text();
  w->setAccessibleName(name);
}

bool captionFits(const QLabel* label) {
  if (!label->wordWrap()) return true;
  const QFontMetrics metrics(label->font());
  const QStringList lines = wrapCaption(label->text(), metrics, label->width());
  for (const QString& line : lines)
    if (metrics.horizontalAdvance(line) > label->width()) return false;
  return (lines.size() - 1) * metrics.lineSpacing() + metrics.height() <= label->height();
}

QLabel* makeLabel(const ControlDescription& c, QWidget* parent) {
  auto* label = new FormLabel(fromUtf8(c.caption), parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(!c.style.autoSize);
  label->setMargin(0);
  label->setIndent(0);
  return label;
}

QLabel* makePicture(const ControlDescription& c, QWidget* parent) {
  auto* picture = new QLabel(parent);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  if (c.style.picture) {
    // QIcon finds the @2x drawing of the picture for high-density screens.
    QIcon icon(QString::fromUtf8(c.style.picture));
    QSize box(toPixels(c.place.width), toPixels(c.place.height));
    picture->setPixmap(icon.pixmap(box, parent->devicePixelRatioF()));
  }
  return picture;
}

QWidget* makeControl(const ControlDescription& c, QWidget* parent) {
  switch (c.kind) {
    case ControlKind::Label:
      return makeLabel(c, parent);
    case ControlKind::TextBox: {
      auto* box = new QLineEdit(fromUtf8(c.caption), parent);
      box->setReadOnly(c.style.locked);
      return box;
    }
    case ControlKind::MultiLineText: {
      auto* box = new QPlainTextEdit(fromUtf8(c.caption), parent);
      box->setReadOnly(c.style.locked);
      return box;
    }
    case ControlKind::Button: {
      auto* button = new QPushButton(fromUtf8(c.caption), parent);
      button->setAutoDefault(false);
      return button;
    }
    case ControlKind::Frame:
      return new QGroupBox(fromUtf8(c.caption), parent);
    case ControlKind::ListBox: {
      auto* list = new QListWidget(parent);
      makeCopyable(list);
      return list;
    }
    case ControlKind::Picture:
    case ControlKind::Image:
      return makePicture(c, parent);
  }
  return nullptr;
}

// A window icon from every size drawn of it: ":/icons/<name>-<size>.png".
QIcon readWindowIcon(const char* name) {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    QString file = QString(":/icons/%1-%2.png").arg(QString::fromUtf8(name)).arg(size);
    if (QFile::exists(file)) icon.addFile(file, QSize(size, size));
  }
  return icon;
}

// A label that sizes itself to its caption keeps its left and top.
void fitToCaption(QLabel* label) {
  label->adjustSize();
  QRect t = label->property(kTwipsProperty).toRect();
  t.setWidth(label->width() * kTwipsPerPixel);
  t.setHeight(label->height() * kTwipsPerPixel);
  label->setProperty(kTwipsProperty, t);
}

// The top-level widget of a loaded form: its close box unloads the form.
class FormWindow : public QWidget {
 public:
  explicit FormWindow(Form& form)
      : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                             Qt::WindowCloseButtonHint),
        form_(form) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->accept();
    form_.unload();
  }

 private:
  Form& form_;
};

}  // namespace

QStringList wrapCaption(const QString& caption, const QFontMetrics& metrics, int width) {
  QStringList lines;
  for (const QString& paragraph : caption.split('\n')) {
    QString line, blanks, word;
    bool atStart = true;  // at the start of the caption's paragraph, blanks count
    auto place = [&](const QString& piece) {
      QString candidate = line + blanks + piece;
      if ((line.isEmpty() && atStart) || metrics.horizontalAdvance(candidate) <= width) {
        line = candidate;
      } else {
        // The line breaks at the first blank; further blanks start the next
        // line, or stand on a line of their own when the piece would not fit
        // after them. Subscript labels such as "1  2" rely on that blank line.
        lines << line;
        QString rest = blanks.mid(1);
        if (!rest.isEmpty() && metrics.horizontalAdvance(rest + piece) > width) {
          lines << rest;
          rest.clear();
        }
        line = rest + piece;
      }
      blanks.clear();
      atStart = false;
    };
    bool wideWord = false, glueNext = false;
    auto flush = [&] {
      if (!word.isEmpty()) place(word);
      word.clear();
    };
    for (QChar ch : paragraph) {
      if (ch == ' ') {
        flush();
        blanks += ch;
        continue;
      }
      // Chinese characters may break on either side, but a closing mark stays
      // with what it closes and an opening mark with what it opens.
      const bool wide = ch.unicode() >= 0x2000;
      if (!(glueNext || isClosingMark(ch)) && (wide || wideWord)) flush();
      if (word.isEmpty()) wideWord = wide;
      word += ch;
      glueNext = isOpeningMark(ch);
    }
    if (!word.isEmpty()) place(word);
    if (atStart) line = blanks;
    lines << line;
  }
  return lines;
}

int toPixels(int twips) {
  return int(std::lround(twips / double(kTwipsPerPixel)));
}

Form::Form(FormRegistry& registry, FormDescription description)
    : registry_(registry), description_(std::move(description)) {}

Form::~Form() {
  delete window_.data();
}

void Form::show() {
  if (!isLoaded()) load();
  if (!placed_) {
    // First showing: centred on the screen, so the whole window can be seen.
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QSize outer(toPixels(outerWidth_), toPixels(outerHeight_));
    QPoint centred = screen.center() - QPoint(outer.width() / 2, outer.height() / 2);
    lastPosition_ =
        QPoint(std::max(centred.x(), screen.left()), std::max(centred.y(), screen.top()));
    placed_ = true;
  }
  if (!window_->isVisible()) window_->move(lastPosition_);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void Form::load() {
  if (isLoaded()) return;
  build();
  connectHandlers();
  onLoad();
  if (QWidget* first = control(description_.firstFocus)) first->setFocus();
}

void Form::build() {
  auto* window = new FormWindow(*this);
  window_ = window;
  window->setObjectName(fromUtf8(description_.name));
  window->setWindowTitle(fromUtf8(description_.caption));
  window->setWindowIcon(registry_.windowIcon(description_.icon ? description_.icon : "vorlinde"));
  window->setFont(windowFont());
  for (const ControlDescription& c : description_.controls) {
    QWidget* parent = c.parent.empty() ? window : control(c.parent);
    QWidget* w = makeControl(c, parent ? parent : window);
    w->setObjectName(fromUtf8(c.objectName()));
    if (c.style.font.family || c.style.font.points > 0) w->setFont(controlFont(c.style.font));
    paintBackdrop(w, c.style.backdrop);
    controls_[c.objectName()] = w;
    move(c.objectName(), c.place);
    if (c.kind == ControlKind::Label && c.style.autoSize) fitToCaption(static_cast<QLabel*>(w));
  }
  for (const ControlDescription& c : description_.controls) {
    if (c.style.accessibleName)
      nameAs(c.objectName(), c.style.accessibleName,
             c.style.description ? c.style.description : "");
    else if (c.style.namedBy)
      name(c.objectName(), c.style.namedBy);
    if (c.style.description && !c.style.accessibleName)
      control(c.objectName())->setAccessibleDescription(fromUtf8(c.style.description));
  }
  applyTabOrder();
  outerWidth_ = description_.clientWidth + kFrameWidth;
  outerHeight_ = description_.clientHeight + kFrameHeight;
  resizeClient();
}

void Form::name(std::string_view objectName, std::string_view namingLabel) {
  QWidget* w = control(objectName);
  if (!w) return;
  QString caption = fromUtf8(this->caption(namingLabel)).trimmed();
  while (caption.endsWith(QChar(0xFF1A)) || caption.endsWith(':') || caption.endsWith('='))
    caption = caption.chopped(1).trimmed();
  nameAs(objectName, caption.toStdString());
}

void Form::nameAs(std::string_view objectName, const std::string& name,
                  const std::string& description) {
  QWidget* w = control(objectName);
  if (!w) return;
  w->setProperty(kNamedByProperty, fromUtf8(name));
  if (!description.empty()) w->setAccessibleDescription(fromUtf8(description));
  if (auto* label = dynamic_cast<FormLabel*>(w)) label->makeSelectable();
  nameForAccessibility(w);
}

void Form::applyTabOrder() {
  QWidget* previous = nullptr;
  for (const std::string& name : description_.tabOrder) {
    QWidget* w = control(name);
    if (!w) continue;
    w->setFocusPolicy(Qt::StrongFocus);
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

void Form::resizeClient() {
  int width = std::max(toPixels(outerWidth_ - kFrameWidth), 1);
  int height = std::max(toPixels(outerHeight_ - kFrameHeight), 1);
  window_->setFixedSize(width, height);
}

void Form::unload() {
  if (!isLoaded()) return;
  QWidget* window = window_;
  if (window->isVisible()) lastPosition_ = window->pos();
  window_ = nullptr;
  controls_.clear();
  // The unload may come from a click on one of the window's own buttons, so the
  // widgets go when control returns to the event loop.
  window->hide();
  window->deleteLater();
  registry_.windowUnloaded();
}

QWidget* Form::control(std::string_view objectName) const {
  auto it = controls_.find(objectName);
  return it == controls_.end() ? nullptr : it->second;
}

QLabel* Form::label(std::string_view n) const {
  return qobject_cast<QLabel*>(control(n));
}
QLineEdit* Form::textBox(std::string_view n) const {
  return qobject_cast<QLineEdit*>(control(n));
}
QPushButton* Form::button(std::string_view n) const {
  return qobject_cast<QPushButton*>(control(n));
}
QListWidget* Form::listBox(std::string_view n) const {
  return qobject_cast<QListWidget*>(control(n));
}

std::string Form::text(std::string_view name) const {
  if (auto* box = textBox(name)) return box->text().toStdString();
  if (auto* box = qobject_cast<QPlainTextEdit*>(control(name)))
    return box->toPlainText().toStdString();
  return {};
}

void Form::setText(std::string_view name, const std::string& text) {
  if (auto* box = textBox(name)) box->setText(fromUtf8(text));
}

std::string Form::caption(std::string_view name) const {
  QWidget* w = control(name);
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text().toStdString();
  if (auto* b = qobject_cast<QPushButton*>(w)) return b->text().toStdString();
  if (auto* f = qobject_cast<QGroupBox*>(w)) return f->title().toStdString();
  return text(name);
}

void Form::setCaption(std::string_view name, const std::string& caption) {
  QWidget* w = control(name);
  if (auto* l = qobject_cast<QLabel*>(w)) {
    l->setText(fromUtf8(caption));
    if (!l->wordWrap()) fitToCaption(l);
    // A result longer than its box is cut at the edge; the whole of it shows on
    // hovering.
    l->setToolTip(captionFits(l) ? QString() : l->text());
    nameForAccessibility(l);
  } else if (auto* b = qobject_cast<QPushButton*>(w)) {
    b->setText(fromUtf8(caption));
  } else if (auto* f = qobject_cast<QGroupBox*>(w)) {
    f->setTitle(fromUtf8(caption));
  }
}

bool Form::isVisible(std::string_view name) const {
  QWidget* w = control(name);
  return w && !w->isHidden();
}

void Form::setVisible(std::string_view name, bool visible) {
  if (QWidget* w = control(name)) w->setVisible(visible);
}

Twips Form::place(std::string_view name) const {
  QWidget* w = control(name);
  if (!w) return {};
  QRect t = w->property(kTwipsProperty).toRect();
  return {t.x(), t.y(), t.width(), t.height()};
}

void Form::move(std::string_view name, Twips t) {
  QWidget* w = control(name);
  if (!w) return;
  w->setProperty(kTwipsProperty, QRect(t.left, t.top, t.width, t.height));
  w->setGeometry(pixelRect(t));
}

void Form::addItem(std::string_view name, const std::string& entry) {
  if (auto* list = listBox(name)) list->addItem(fromUtf8(entry));
}

void Form::setFocus(std::string_view name) {
  if (QWidget* w = control(name)) w->setFocus();
}

void Form::setOuterWidth(int twips) {
  outerWidth_ = twips;
  if (window_) resizeClient();
}

void Form::setOuterHeight(int twips) {
  outerHeight_ = twips;
  if (window_) resizeClient();
}

void Form::messageBox(const std::string& prompt) {
  vorlinde::messageBox(window_, fromUtf8(prompt));
}

void Form::onClick(std::string_view name, std::function<void()> handler) {
  QPushButton* b = button(name);
  if (!b) return;
  QObject::connect(b, &QPushButton::clicked, window_, [this, handler = std::move(handler)] {
    try {
      handler();
    } catch (const RuntimeError& error) {
      reportRuntimeError(window_, error);
    }
  });
}

FormRegistry::FormRegistry() = default;

FormRegistry::~FormRegistry() {
  ended_ = true;
  forms_.clear();
}

const QIcon& FormRegistry::windowIcon(const char* name) {
  auto it = icons_.find(std::string_view(name));
  if (it == icons_.end()) it = icons_.emplace(name, readWindowIcon(name)).first;
  return it->second;
}

bool FormRegistry::anyLoaded() const {
  for (const auto& [type, form] : forms_)
    if (form->isLoaded()) return true;
  return false;
}

void FormRegistry::windowUnloaded() {
  if (!ended_ && !anyLoaded()) endApplication();
}

void FormRegistry::endApplication() {
  ended_ = true;
  for (auto& [type, form] : forms_)
    form->unload();
  QCoreApplication::quit();
}

}  // namespace vorlinde
