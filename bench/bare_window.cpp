// The floor the start-up benchmark compares the program with: a plain Qt Widgets
// window holding what the main window holds (four frames, a locked multi-line box,
// eleven labels of which two would carry pictures, six buttons) at the same places
// and in the same font, built directly, without the forms layer. Its buttons do
// nothing; it shows no pictures and opens no other window.

#include <QApplication>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace {

// The forms' place of a control, 15 twips to a pixel.
QRect pixels(int left, int top, int width, int height) {
  return QRect(left / 15, top / 15, width / 15, height / 15);
}

QLabel* label(QWidget* parent, const char* caption, QRect place) {
  auto* l = new QLabel(QString::fromUtf8(caption), parent);
  l->setWordWrap(true);
  l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  l->setGeometry(place);
  return l;
}

QPushButton* button(QWidget* parent, const char* caption, QRect place) {
  auto* b = new QPushButton(QString::fromUtf8(caption), parent);
  b->setAutoDefault(false);
  b->setGeometry(place);
  return b;
}

QGroupBox* frame(QWidget* parent, const char* caption, QRect place) {
  auto* f = new QGroupBox(QString::fromUtf8(caption), parent);
  f->setGeometry(place);
  return f;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle("Vorlinde");
  // The forms' window font: a 12-pixel Song face, or the first fallback present.
  QFont font;
  font.setFamilies({"宋体", "SimSun", "AR PL UMing CN", "WenQuanYi Zen Hei Mono",
                    "WenQuanYi Micro Hei Mono", "Noto Sans Mono CJK SC"});
  font.setPixelSize(12);
  window.setFont(font);
  window.setFixedSize(5985 / 15, 5700 / 15);

  label(&window, "", pixels(240, 240, 5535, 855));  // the banner's place
  QGroupBox* f1 = frame(&window, "代数", pixels(240, 1200, 2175, 3735));
  auto* topics = new QPlainTextEdit(
      QString::fromUtf8("1.分解质因数\n2.求阶乘\n3.求最大公约数\n  与最小公倍数\n4.求某数的n次幂\n"
                        "5.求某数的平方根\n6.求某数的对数\n7.角度换为弧度\n8.求正弦函数\n"
                        "9.求余弦函数\n10.求正切函数\n11.求余切函数\n12.求正割函数\n13.求余割函数"),
      f1);
  topics->setReadOnly(true);
  topics->setGeometry(pixels(240, 360, 1695, 2655));
  button(f1, "进 入", pixels(960, 3120, 975, 375));
  QGroupBox* f2 = frame(&window, "方程", pixels(2520, 1200, 3255, 1215));
  label(f2, "解一元二次方程 、", pixels(240, 240, 1575, 255));
  label(f2, "二元一次方程组", pixels(480, 480, 1455, 255));
  button(f2, "进 入", pixels(2160, 240, 975, 375));
  label(f2, "解线性方程组", pixels(240, 840, 1095, 255));
  button(f2, "进 入", pixels(2160, 720, 975, 375));
  QGroupBox* f3 = frame(&window, "数列", pixels(2520, 2520, 3255, 1095));
  label(f3, "求等差数列的和", pixels(120, 240, 1335, 255));
  label(f3, "求等比数列的和", pixels(120, 480, 1455, 255));
  label(f3, "求特殊数列的和", pixels(120, 720, 1335, 255));
  button(f3, "进 入", pixels(2160, 600, 975, 375));
  QGroupBox* f4 = frame(&window, "几何", pixels(2520, 3720, 3255, 1215));
  label(f4, "求三角形、矩形、梯形、圆形、扇形面积，圆柱体、圆锥体、球体体积",
        pixels(120, 240, 3015, 615));
  button(f4, "进 入", pixels(2160, 720, 975, 375));
  label(&window, "", pixels(360, 5040, 630, 600));  // the emblem's place
  label(&window, "2007.11.28 更新", pixels(1080, 5280, 1575, 255));
  QPushButton* exit = button(&window, "退 出", pixels(4680, 5160, 975, 375));
  QObject::connect(exit, &QPushButton::clicked, &app, &QApplication::quit);

  window.show();
  return app.exec();
}
