#include "forms/control_factory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "forms/picture.h"
#include "forms/widgets.h"

namespace vorlinde {
namespace {

// The forms were laid out for 宋体 at 9 points, about 12 pixels high, whose Latin
// letters are half as wide as its characters. The Ming face of AR PL has the same
// widths and comes first: it is the one Debian installs, and a family looked for
// in vain first costs the start-up several milliseconds. Then 宋体 itself, or a
// monospaced WenQuanYi face.
const QStringList kSongFaces = {
    "AR PL UMing CN",       "宋体", "SimSun", "WenQuanYi Zen Hei Mono", "WenQuanYi Micro Hei Mono",
    "Noto Sans Mono CJK SC"};

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
  if (!c.style.picture) return picture;
  // Decoded just after the window is first shown, before it is painted: the
  // decoding would only delay the window's mapping.
  QTimer::singleShot(0, picture, [picture, file = QString::fromUtf8(c.style.picture)] {
    // The @2x drawing on a high-density screen.
    const bool dense = picture->devicePixelRatioF() > 1;
    QPixmap pixmap = QPixmap::fromImage(readPicture(dense ? file + "@2x" : file));
    pixmap.setDevicePixelRatio(dense ? 2 : 1);
    picture->setPixmap(pixmap);
  });
  return picture;
}

}  // namespace

QFont windowFont() {
  QFont font;
  font.setFamilies(kSongFaces);
  font.setPixelSize(12);
  // Hinting the Song faces' outlines costs a third of the start-up's processor
  // time and changes nothing a pupil sees at this size.
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QFont controlFont(const FontChoice& choice) {
  QFont font = windowFont();
  const QString family = QString::fromUtf8(choice.family ? choice.family : "");
  if (!family.isEmpty() && !kSongFaces.contains(family))
    font.setFamilies(QStringList{family} + kSongFaces);
  // 96 dots per inch: a point is 4/3 of a logical pixel.
  if (choice.points > 0) font.setPixelSize(int(std::lround(choice.points * 4 / 3)));
  return font;
}

int loadFacesIfMissing(const QStringList& faces, const QString& folder) {
  for (const QString& face : faces)
    if (QFontDatabase::hasFamily(face)) return 0;
  const QDir dir(folder);
  int loaded = 0;
  for (const QString& file : dir.entryList({"*.ttf", "*.ttc", "*.otf"}, QDir::Files, QDir::Name))
    loaded += QFontDatabase::addApplicationFont(dir.filePath(file)) >= 0;
  return loaded;
}

// 宋体 comes with every Chinese Windows, not with every Windows.
void useShippedFaces() {
#ifdef Q_OS_WIN
  loadFacesIfMissing(windowFont().families(), QCoreApplication::applicationDirPath() + "/fonts");
#endif
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
      // Its lines are laid out just after the window is first shown, before it is
      // painted: laying them out first would only delay the window's mapping.
      auto* box = new QPlainTextEdit(parent);
      box->setReadOnly(c.style.locked);
      QTimer::singleShot(0, box, [box, text = fromUtf8(c.caption)] { box->setPlainText(text); });
      return box;
    }
    case ControlKind::Button: {
      // Return or Enter on a focused button clicks it at once.
      auto* button = new QPushButton(fromUtf8(c.caption), parent);
      button->setAutoDefault(true);
      return button;
    }
    case ControlKind::Frame:
      return new FormFrame(fromUtf8(c.caption), parent);
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

QIcon readWindowIcon(const char* name) {
  QIcon icon;
  for (int size : {16, 32, 48, 64}) {
    const QImage image =
        readPicture(QString(":/pictures/%1-%2").arg(QString::fromUtf8(name)).arg(size));
    if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

void fitToCaption(QLabel* label) {
  label->adjustSize();
  QRect t = label->property(kTwipsProperty).toRect();
  t.setWidth(label->width() * kTwipsPerPixel);
  t.setHeight(label->height() * kTwipsPerPixel);
  label->setProperty(kTwipsProperty, t);
}

}  // namespace vorlinde
