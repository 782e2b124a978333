// The floor the start-up benchmark compares the program with: a plain Qt Widgets
// window in Qt's own font, with twenty Chinese labels, five buttons and five text
// boxes, built directly. Its buttons stand where the main window's five "进 入"
// stand, so the benchmark's clicks land on them; they do nothing.
//
//   bare_window [--song]   --song: in the program's 12-pixel Song face instead,
//                          which shows what the face itself costs.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  if (argc > 1 && QString(argv[1]) == "--song") {
    QFont song;
    song.setFamilies({"AR PL UMing CN", "宋体", "SimSun"});
    song.setPixelSize(12);
    song.setHintingPreference(QFont::PreferNoHinting);
    window.setFont(song);
  }
  window.setWindowTitle("Vorlinde");
  window.setFixedSize(399, 380);
  const char* const captions[] = {"分解质因数",    "求阶乘",     "最大公约数",     "最小公倍数",
                                  "求某数的n次幂", "求平方根",   "求对数",         "角度换为弧度",
                                  "正弦函数",      "余弦函数",   "正切函数",       "余切函数",
                                  "正割函数",      "余割函数",   "解一元二次方程", "二元一次方程组",
                                  "解线性方程组",  "求数列的和", "求面积",         "求体积"};
  for (int i = 0; i < 20; ++i) {
    auto* label = new QLabel(QString::fromUtf8(captions[i]), &window);
    label->setGeometry(16 + (i / 10) * 100, 80 + (i % 10) * 20, 96, 18);
  }
  const QPoint enters[] = {{112, 300}, {344, 108}, {344, 140}, {344, 220}, {344, 308}};
  for (int i = 0; i < 5; ++i) {
    auto* button = new QPushButton(QString::fromUtf8("进 入"), &window);
    button->setGeometry(enters[i].x() - 32, enters[i].y() - 12, 65, 25);
    auto* box = new QLineEdit(&window);
    box->setGeometry(220, 20 + i * 30, 80, 22);
  }
  window.show();
  return app.exec();
}
