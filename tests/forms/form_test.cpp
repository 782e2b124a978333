#include "forms/form.h"
#include "forms/caption_wrap.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/runtime_error.h"
#include "forms/control_factory.h"
#include "forms/registry.h"
#include "support/form_driver.h"

namespace vorlinde {

// A small window that exercises the forms layer the way the tool windows do.
class TestForm : public Form {
 public:
  explicit TestForm(FormRegistry& registry) : Form(registry, description()) {}
  int loads = 0;
  int kept = 0;  // an instance member: survives unloading

 protected:
  void onLoad() override { ++loads; }
  void connectHandlers() override {
    onClick("Command1", [this] {
      setCaption("Label1", "written");
      ++kept;
      throw RuntimeError(ErrorCode::DivisionByZero);
    });
    onClick("Command2", [this] { unload(); });
  }

 private:
  static FormDescription description() {
    using enum ControlKind;
    FormDescription form{
        .name = "TestForm", .caption = "测试", .clientWidth = 3000, .clientHeight = 2000};
    form.controls = {
        {Frame, "Frame1", "框", "", {100, 100, 2000, 1500}},
        {Label, "Label3", "结果：", "Frame1", {1600, 240, 300, 255}},
        {Label, "Label1", "", "Frame1", {120, 240, 1455, 255}, {.namedBy = "Label3"}},
        {ListBox, "List1", "", "", {2200, 1400, 735, 500}},
        {Label, "Label2", "x", "", {2200, 100, 540, 180}, {.autoSize = true}},
        {TextBox, "Text1", "", "Frame1", {120, 600, 735, 375}, {}, 0},
        {TextBox, "Text1", "", "Frame1", {120, 1000, 735, 375}, {}, 1},
        {Button, "Command1", "算", "", {2200, 600, 735, 375}},
        {Button, "Command2", "退 出", "", {2200, 1000, 735, 375}},
    };
    form.tabOrder = {"Text1(1)", "Text1(0)", "Command1"};
    form.firstFocus = "Text1(1)";
    return form;
  }
};

namespace test {
namespace {

TEST(FormsLayer, BuildsTheDescriptionInTwips) {
  Opened<TestForm> opened;
  QWidget* w = opened.window();
  EXPECT_EQ(w->size(), QSize(200, 133));  // 3000 × 2000 twips, 15 to a pixel
  auto* second = find<QLineEdit>(w, "Text1(1)");
  EXPECT_EQ(second->parentWidget()->objectName(), QString("Frame1"));
  EXPECT_EQ(second->geometry(), QRect(8, 67, 49, 25));
  EXPECT_EQ(w->focusWidget(), second);
  EXPECT_EQ(second->nextInFocusChain(), find<QWidget>(w, "Text1(0)"));
  EXPECT_EQ(opened.form().outerWidth(), 3000 + kFrameWidth);

  opened.form().setOuterWidth(6000);
  EXPECT_EQ(w->width(), (6000 - kFrameWidth) / 15);
  opened.form().move("Label1", {100, 640, 1000, 300});
  EXPECT_EQ(opened.form().place("Label1"), (Twips{100, 640, 1000, 300}));
  EXPECT_EQ(find<QLabel>(w, "Label1")->geometry(), QRect(7, 43, 67, 20));

  opened.form().setCaption("Label2", "一二三四五六");
  auto* label = find<QLabel>(w, "Label2");
  EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
  EXPECT_EQ(opened.form().place("Label2").width, label->width() * 15);
  EXPECT_EQ(opened.form().place("Label2").left, 2200);
}

TEST(FormsLayer, RunTimeErrorIsReportedAndTheWindowGoesOnUntilUnloaded) {
  Opened<TestForm> opened;
  auto shown = click(opened.window(), "Command1");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].prompt, QString("运行时错误 '11':\n\n除数为零"));
  EXPECT_EQ(shown[0].buttonText, QString("确定"));
  EXPECT_FALSE(shown[0].flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_GE(shown[0].width, 200);
  EXPECT_EQ(caption(opened.window(), "Label1"), QString("written"));  // written before the error
  type(opened.window(), "Text1(0)", "12");
  EXPECT_EQ(promptsOf(click(opened.window(), "Command1")), QStringList{errorPrompt(11)});

  // Unloaded, the window keeps its instance and makes its controls anew.
  click(opened.window(), "Command2");
  settle();
  EXPECT_FALSE(opened.form().isLoaded());
  EXPECT_TRUE(opened.forms().ended());  // it was the only window
  opened.form().show();
  EXPECT_EQ(opened.form().loads, 2);
  EXPECT_EQ(opened.form().kept, 2);
  EXPECT_TRUE(find<QLineEdit>(opened.window(), "Text1(0)")->text().isEmpty());
}

// A result too long for its box shows whole in its tip; its name is read in every
// window's test.
TEST(FormsLayer, ResultsShowWholeAndCanBeCopied) {
  Opened<TestForm> opened;
  QWidget* w = opened.window();
  auto* result = find<QLabel>(w, "Label1");
  opened.form().setCaption("Label1", "x1=-0.00500012500624791");
  EXPECT_EQ(result->toolTip(), result->text());
  opened.form().setCaption("Label1", "x1=2");
  EXPECT_TRUE(result->toolTip().isEmpty());
  EXPECT_EQ(result->focusPolicy(), Qt::ClickFocus);  // out of the Tab order

  QGuiApplication::clipboard()->clear();
  QApplication::setActiveWindow(w);  // keys go to the window the pupil works in
  QTest::mouseClick(result, Qt::LeftButton);
  EXPECT_TRUE(result->hasFocus());
  QTest::keySequence(result, QKeySequence::Copy);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("2"));  // the number, not its caption

  opened.form().addItem("List1", " 12 =  2 ×  2 ×  3");
  auto* list = find<QListWidget>(w, "List1");
  list->setCurrentRow(0);
  list->setFocus();
  QTest::keySequence(list, QKeySequence::Copy);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("12 = 2 × 2 × 3"));

  // The context menu: "复制", then the label's own actions.
  opened.form().setCaption("Label1", "x1=3");
  result->addAction(new QAction("解题过程", result));
  QStringList offered;
  QTimer::singleShot(0, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    for (QAction* action : menu->actions())
      offered << action->text();
    menu->actions().value(0)->trigger();
    menu->close();
  });
  QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1),
                            result->mapToGlobal(QPoint(1, 1)));
  QApplication::sendEvent(result, &menuKey);
  EXPECT_EQ(offered, QStringList({"复制", "解题过程"}));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("3"));
}

TEST(WrapCaption, BreaksAtBlanksAndBetweenChineseCharacters) {
  QFont font;
  font.setFamilies({"AR PL UMing CN", "WenQuanYi Micro Hei Mono"});
  font.setPixelSize(12);
  const QFontMetrics m(font);
  const int digit = m.horizontalAdvance('1'), han = m.horizontalAdvance(QChar(0x6570));
  struct Case {
    const char* caption;
    int width;
    QStringList lines;
  } cases[] = {
      {"1  2", digit + 1, {"1", " ", "2"}},
      {"a  bc", 3 * digit, {"a", " bc"}},
      {"  m", 10 * digit, {"  m"}},
      {"0.507538362960704", 3 * digit, {"0.507538362960704"}},
      {"输入自然数：", 2 * han, {"输入", "自然", "数："}},
      {"b：", digit + 1, {"b："}},
      {"1    2    3    ", digit, {"1", "   ", "2", "   ", "3"}},
      {"求三角形、矩形", 3 * han, {"求三角", "形、矩", "形"}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(wrapCaption(QString::fromUtf8(c.caption), m, c.width), c.lines) << c.caption;
}

// The program falls back to the faces it ships only where the system has none of
// the faces its windows ask for.
TEST(ShippedFaces, LoadedOnlyWhereNoFaceAskedForIsInstalled) {
  QTemporaryDir folder;
  ASSERT_TRUE(QFile::copy(VORLINDE_SAMPLE_FONT, folder.filePath("sample.ttf")));
  QFile other(folder.filePath("readme.txt"));
  ASSERT_TRUE(other.open(QIODevice::WriteOnly));
  other.write("not a font");
  other.close();
  // The sample is one of the system's fonts too.
  const QString installed = QRawFont(QString(VORLINDE_SAMPLE_FONT), 12).familyName();
  const struct {
    QStringList faces;
    int loaded;
  } cases[] = {
      {{installed}, 0},
      {{"No Such Face", installed}, 0},
      {{"No Such Face"}, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(loadFacesIfMissing(c.faces, folder.path()), c.loaded)
        << c.faces.join(", ").toStdString();
  QFontDatabase::removeAllApplicationFonts();
}

}  // namespace
}  // namespace test
}  // namespace vorlinde
