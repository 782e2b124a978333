#include "forms/form.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <algorithm>
#include <cmath>

#include "forms/control_factory.h"
#include "forms/message_box.h"
#include "forms/registry.h"
#include "forms/result_fit.h"
#include "forms/screen_place.h"
#include "forms/widgets.h"

namespace vorlinde {
namespace {

QRect pixelRect(Twips t) {
  return QRect(toPixels(t.left), toPixels(t.top), toPixels(t.width), toPixels(t.height));
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

  // A box leaves Return to its window, which hands it to the form: one handler for
  // the window rather than a connection in each of its boxes.
  void keyPressEvent(QKeyEvent* event) override {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* box = qobject_cast<QLineEdit*>(focusWidget());
    if (enter && box && form_.returnPressed(box->objectName().toStdString())) return;
    QWidget::keyPressEvent(event);
  }

 private:
  Form& form_;
};

}  // namespace

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
    lastPosition_ = firstPosition();
    placed_ = true;
  }
  if (!window_->isVisible()) window_->move(lastPosition_);
  // A minimized window comes back as it was left.
  if (window_->isMinimized())
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
  window_->show();
  window_->raise();
  window_->activateWindow();
}

// Beside the first window the program showed, right of it or else left of it,
// where the screen has room (a little lower for each window placed so, so none
// hides another's title); else centred on the screen.
QPoint Form::firstPosition() {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QSize outer(toPixels(outerWidth_), toPixels(outerHeight_));
  const QPoint centred = screen.center() - QPoint(outer.width() / 2, outer.height() / 2);
  const QPoint onScreen(std::max(centred.x(), screen.left()), std::max(centred.y(), screen.top()));
  Form* anchor = registry_.firstShown(this);
  if (anchor == this || !anchor->isLoaded() || !anchor->window()->isVisible()) return onScreen;
  const QRect main = anchor->window()->frameGeometry();
  const int top = std::clamp(main.top() + 24 * registry_.placedBeside(), screen.top(),
                             std::max(screen.top(), screen.bottom() - outer.height()));
  constexpr int kGap = 8;
  if (main.right() + kGap + outer.width() <= screen.right()) return {main.right() + kGap, top};
  if (main.left() - kGap - outer.width() >= screen.left())
    return {main.left() - kGap - outer.width(), top};
  return onScreen;
}

void Form::load() {
  if (isLoaded()) return;
  build();
  connectHandlers();
  onLoad();
  relayout();
  if (QWidget* first = control(description_.firstFocus)) first->setFocus();
}

void Form::build() {
  auto* window = new FormWindow(*this);
  window_ = window;
  window->setObjectName(fromUtf8(description_.name));
  window->setWindowTitle(fromUtf8(description_.caption));
  // The icon follows the first showing: decoding its four pictures would only delay it.
  QTimer::singleShot(0, window, [this, window] {
    window->setWindowIcon(registry_.windowIcon(description_.icon ? description_.icon : "vorlinde"));
  });
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
  nameControls();
  tabOrder_ = description_.tabOrder;
  applyTabOrder();
  outerWidth_ = description_.clientWidth + kFrameWidth;
  outerHeight_ = description_.clientHeight + kFrameHeight;
  resizeClient();
}

// Named once every caption exists: a control may be named by a label after it.
void Form::nameControls() {
  for (const ControlDescription& c : description_.controls) {
    if (c.style.accessibleName)
      nameAs(c.objectName(), c.style.accessibleName,
             c.style.description ? c.style.description : "");
    else if (c.style.namedBy)
      name(c.objectName(), c.style.namedBy);
    if (c.style.description && !c.style.accessibleName)
      control(c.objectName())->setAccessibleDescription(fromUtf8(c.style.description));
  }
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
  if (auto* label = dynamic_cast<FormLabel*>(w); label && !label->isResult()) {
    label->makeSelectable();
    results_.push_back(label);
  }
  nameForAccessibility(w);
}

void Form::setTabOrder(std::vector<std::string> order) {
  tabOrder_ = std::move(order);
  applyTabOrder();
}

void Form::applyTabOrder() {
  QWidget* previous = nullptr;
  for (const std::string& name : tabOrder_) {
    QWidget* w = control(name);
    if (!w) continue;
    w->setFocusPolicy(Qt::StrongFocus);
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

// Within a click the window is laid out once, when the click is over.
void Form::resizeClient() {
  if (!inClick_) relayout();
}

void Form::relayout() {
  if (!window_) return;
  const QSize client(std::max(toPixels(outerWidth_ - kFrameWidth), 1),
                     std::max(toPixels(outerHeight_ - kFrameHeight), 1));
  window_->setFixedSize(fitResults(window_, results_, client));
  if (description_.keepOnScreen && window_->isVisible() && window_->screen())
    window_->move(keptOnScreen(window_->frameGeometry(), window_->screen()->availableGeometry()));
}

void Form::unload() {
  if (!isLoaded()) return;
  QWidget* window = window_;
  if (window->isVisible()) lastPosition_ = window->pos();
  window_ = nullptr;
  controls_.clear();
  results_.clear();
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
    nameForAccessibility(l);
    if (inClick_)
      written_.emplace_back(name);
    else
      relayout();
  } else if (auto* b = qobject_cast<QPushButton*>(w)) {
    b->setText(fromUtf8(caption));
  } else if (auto* f = qobject_cast<QGroupBox*>(w)) {
    f->setTitle(fromUtf8(caption));
  }
}

bool Form::written(std::string_view label) const {
  return std::find(written_.begin(), written_.end(), label) != written_.end();
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

// The newest entry is the one the pupil looks for, so the list shows it.
void Form::addItem(std::string_view name, const std::string& entry) {
  if (auto* list = listBox(name)) {
    list->addItem(fromUtf8(entry));
    list->scrollToItem(list->item(list->count() - 1));
  }
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
  if (inClick_) clickMessage_ = prompt;
  vorlinde::messageBox(window_, fromUtf8(prompt));
}

}  // namespace vorlinde
