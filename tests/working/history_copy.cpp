// A copy of the program's history on the file named by its argument, driven by
// lines on its input, each answered "ok": "add TAG N" records N calculations whose
// texts are TAG-1 to TAG-N, "flush" writes, "clear" empties; the end of the input
// writes as the program's exit does.
#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>

#include "working/history.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  vorlinde::History history(app.arguments().value(1));
  QTextStream in(stdin), out(stdout);
  for (QString line; in.readLineInto(&line);) {
    const QStringList words = line.split(' ');
    for (int i = 1; words[0] == "add" && i <= words.value(2).toInt(); ++i) {
      const QString text = words.value(1) + "-" + QString::number(i);
      const qint64 now = QDateTime::currentMSecsSinceEpoch();
      history.add({{vorlinde::PanelId::Circle, {text.toStdString()}, 0, 0, {}, {}, now}});
    }
    if (words[0] == "flush") history.flush();
    if (words[0] == "clear") history.clear();
    out << "ok" << Qt::endl;
  }
}
