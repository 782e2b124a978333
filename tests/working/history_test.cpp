#include "working/history.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QTest>

namespace vorlinde {
namespace {

class HistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path = History::defaultPath();
    QDir folder(QFileInfo(path).absolutePath());
    folder.removeRecursively();
    folder.mkpath(".");
  }

  QByteArray read(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  void write(const QString& name, const QByteArray& bytes) {
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QString path;
};

Calculation calculation(int i) {
  Calculation c;
  c.panel = panels()[std::size_t(i) % panels().size()].id;
  c.texts = {"1.234,5", "１２．５厘米 \"引号\" \\ \t末"};
  c.unknowns = i % 4;
  c.error = i % 2 ? 13 : 0;
  c.shown = {"x₁ = 2,618", std::nullopt, "2³×3²×5"};
  c.format = {",", "."};
  c.when = 1700000000000LL + i;
  c.message = i % 3 ? "" : "Gauss fail at 1.";
  return c;
}

HistoryEntry entry(int i) {
  return {calculation(i), "解方程 · 一元二次方程", "答：x = " + std::to_string(i)};
}

void expectSame(const HistoryEntry& a, const HistoryEntry& b) {
  EXPECT_TRUE(a.calculation == b.calculation && a.title == b.title && a.answer == b.answer)
      << a.calculation.when << " " << b.calculation.when;
}

TEST_F(HistoryTest, KeepsEveryFieldOfTheNewest500ForTheNextSessionNewestFirst) {
  {
    History history;
    for (int i = 0; i < 510; ++i)
      history.add(entry(i));
  }
  History next;
  ASSERT_EQ(next.entries().size(), 500u);
  for (int i = 0; i < 500; ++i)
    expectSame(next.entries()[i], entry(509 - i));
}

// Within a second of a change, not at each, and never while a live copy holds the lock.
TEST_F(HistoryTest, WritesWithinASecondWhenNoLiveCopyHoldsTheLock) {
  History history;
  const auto written = [&] { return decodeHistory(read(path)).file.entries.size(); };
  history.add(entry(1));
  history.add(entry(2));
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(QTest::qWaitFor([&] { return written() == 2; }, 3000));
  QLockFile other(path + ".lock");
  ASSERT_TRUE(other.tryLock(std::chrono::milliseconds(0)));
  history.add(entry(3));
  QTest::qWait(1200);
  EXPECT_EQ(written(), 2u) << "written while another copy held the lock";
  other.unlock();
  EXPECT_TRUE(QTest::qWaitFor([&] { return written() == 3; }, 3000));
}

TEST_F(HistoryTest, AnUnreadableFileIsSetAsideAndANewOneBegun) {
  const QByteArray good = encodeHistory({{entry(1)}});
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"truncated", good.left(good.size() / 2)},
      {"a list", "[1, 2, 3]"},
      {"a field of the wrong type",
       QByteArray(good).replace("\"when\":1700000000001", "\"when\":\"yesterday\"")},
      {"a missing field", QByteArray(good).replace("\"texts\"", "\"text\"")},
      {"no version", QByteArray(good).replace("\"version\":2", "\"versions\":2")},
      {"a clearing time of the wrong type", "{\"cleared\":[]," + good.mid(1)},
  };
  write(path + ".bad", "an older bad file");
  int kept = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    write(path, c.bytes);
    History history;
    EXPECT_TRUE(history.entries().empty());
    EXPECT_EQ(read(path + ".bad." + QString::number(++kept)), c.bytes);
    history.add(entry(2));
    history.flush();
    const DecodedHistory written = decodeHistory(read(path));
    ASSERT_EQ(written.status, DecodedHistory::Read);
    ASSERT_EQ(written.file.entries.size(), 1u);
    expectSame(written.file.entries.front(), entry(2));
  }
  EXPECT_EQ(read(path + ".bad"), "an older bad file");
}

// A file of the first version named the window and the button: its entries are
// read into their panels (one of a window no longer known is left out) and the
// file is written back in the present version.
TEST_F(HistoryTest, AFileOfTheFirstVersionIsReadAndWrittenBackInThePresentOne) {
  const auto old = [](const char* window, const char* button, const char* shown) {
    return QByteArray(R"({"window":")") + window + R"(","button":")" + button +
           R"(","boxes":["Text1"],"texts":["1","-3","2"],"unknowns":0,"error":0,"shown":)" + shown +
           R"(,"format":{"decimal":".","group":","},"when":1700000000000,"message":"",)"
           R"("title":"t","answer":"a"})";
  };
  write(path, R"({"version":1,"calculations":[)" +
                  old("Form2", "Command1",
                      R"([{"label":"Label10","text":"x2=1"},{"label":"Label9","text":"x1=2"}])") +
                  "," + old("Form1", "Command7", R"([{"label":"Label29","text":"1"}])") + "," +
                  old("Form9", "Command1", "[]") + "]}");
  History history;
  ASSERT_EQ(history.entries().size(), 2u);
  const Calculation& quadratic = history.entries()[0].calculation;
  EXPECT_EQ(quadratic.panel, PanelId::Quadratic);
  EXPECT_EQ(quadratic.texts, (std::vector<std::string>{"1", "-3", "2"}));
  EXPECT_EQ(quadratic.shown, (std::vector<std::optional<std::string>>{"x1=2", "x2=1"}));
  const Calculation& trig = history.entries()[1].calculation;
  EXPECT_EQ(trig.panel, PanelId::Trigonometry);
  EXPECT_TRUE(trig.label(2) && *trig.label(2) == "1" && !trig.label(0));
  history.add(entry(3));
  history.flush();
  const QByteArray written = read(path);
  EXPECT_TRUE(written.contains(R"("version":2)")) << written.toStdString();
  EXPECT_TRUE(written.contains(R"("panel":"equations.quadratic")"));
  EXPECT_EQ(decodeHistory(written).file.entries.size(), 3u);
}

// A file a later version of the program wrote is left as it is, not set aside:
// this session's calculations are kept in memory only.
TEST_F(HistoryTest, AFileOfALaterVersionIsLeftAsItIs) {
  const QByteArray later = R"({"version":3,"calculations":[{"whatever":true}]})";
  write(path, later);
  History history;
  EXPECT_TRUE(history.entries().empty());
  history.add(entry(1));
  history.flush();
  history.clear();
  history.add(entry(2));
  history.flush();
  EXPECT_EQ(history.entries().size(), 1u);
  EXPECT_EQ(read(path), later);
  EXPECT_FALSE(QFile::exists(path + ".bad"));
}

// Sends a line to a copy of the history running in a process of its own, and
// waits until it has been done.
void tell(QProcess& copy, const char* line) {
  copy.write(QByteArray(line) + "\n");
  ASSERT_TRUE(copy.waitForReadyRead(10000));
  copy.readAll();
}

TEST_F(HistoryTest, TwoCopiesAtOnceKeepBothOnesCalculationsAndClearing) {
  write(path, encodeHistory({{entry(1), entry(2)}}));
  write(path + ".lock", "2147483647\nvorlinde\n\n");  // left by a copy that has ended
  QProcess copies[2];
  for (QProcess& copy : copies)
    copy.start(HISTORY_COPY, {path});
  const auto inFile = [&] {
    QStringList texts;
    const DecodedHistory file = decodeHistory(read(path));
    for (const HistoryEntry& e : file.file.entries)
      texts << QString::fromStdString(e.calculation.texts.at(0));
    return texts.join(' ');
  };
  tell(copies[0], "add a 2");
  tell(copies[1], "add b 2");
  tell(copies[0], "flush");
  tell(copies[1], "flush");
  EXPECT_EQ(inFile(), "b-2 b-1 a-2 a-1 1.234,5 1.234,5");
  tell(copies[0], "add c 1");
  QTest::qWait(5);  // the clearing comes a clear millisecond later
  tell(copies[1], "clear");
  tell(copies[0], "flush");
  EXPECT_EQ(inFile(), "");
  QTest::qWait(5);
  tell(copies[0], "add d 1");
  tell(copies[0], "flush");
  EXPECT_EQ(inFile(), "d-1");
  for (QProcess& copy : copies) {
    copy.closeWriteChannel();
    EXPECT_TRUE(copy.waitForFinished(10000));
  }
}

}  // namespace
}  // namespace vorlinde
