#include "working/history.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace vorlinde {
namespace {

class HistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QStandardPaths::setTestModeEnabled(true);
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
  c.window = "Form" + std::to_string(i % 5 + 1);
  c.button = "Command" + std::to_string(i % 3 + 1);
  c.boxes = {"Text1", "Text2"};
  c.texts = {"1.234,5", "１２．５厘米 \"引号\" \\ \t末"};
  c.unknowns = i % 4;
  c.error = i % 2 ? 13 : 0;
  c.shown = {{"Label5", "x₁ = 2,618"}, {"List1", "2³×3²×5"}};
  c.format = {",", "."};
  c.when = 1700000000000LL + i;
  c.message = i % 3 ? "" : "Gauss fail at 1.";
  return c;
}

HistoryEntry entry(int i) {
  return {calculation(i), "解方程 · 一元二次方程", "答：x = " + std::to_string(i)};
}

void expectSame(const HistoryEntry& a, const HistoryEntry& b) {
  const Calculation &x = a.calculation, &y = b.calculation;
  EXPECT_EQ(x.window, y.window);
  EXPECT_EQ(x.button, y.button);
  EXPECT_EQ(x.boxes, y.boxes);
  EXPECT_EQ(x.texts, y.texts);
  EXPECT_EQ(x.unknowns, y.unknowns);
  EXPECT_EQ(x.error, y.error);
  EXPECT_EQ(x.shown, y.shown);
  EXPECT_EQ(x.format.decimal, y.format.decimal);
  EXPECT_EQ(x.format.group, y.format.group);
  EXPECT_EQ(x.when, y.when);
  EXPECT_EQ(x.message, y.message);
  EXPECT_EQ(a.title, b.title);
  EXPECT_EQ(a.answer, b.answer);
}

TEST_F(HistoryTest, KeepsEveryFieldForTheNextSessionNewestFirst) {
  {
    History history;
    for (int i = 0; i < 4; ++i)
      history.add(entry(i));
    history.flush();
  }
  History next;
  ASSERT_EQ(next.entries().size(), 4u);
  for (int i = 0; i < 4; ++i)
    expectSame(next.entries()[i], entry(3 - i));
}

TEST_F(HistoryTest, KeepsOnlyTheNewest500) {
  History history;
  for (int i = 0; i < 510; ++i)
    history.add(entry(i));
  history.flush();
  History next;
  ASSERT_EQ(next.entries().size(), 500u);
  EXPECT_EQ(next.entries().front().calculation.when, entry(509).calculation.when);
  EXPECT_EQ(next.entries().back().calculation.when, entry(10).calculation.when);
}

TEST_F(HistoryTest, ClearEmptiesMemoryAndFileAtOnce) {
  History history;
  history.add(entry(1));
  history.flush();
  history.add(entry(2));
  history.clear();
  EXPECT_TRUE(history.entries().empty());
  EXPECT_TRUE(History().entries().empty());
  EXPECT_FALSE(QFile::exists(path + ".bad"));
}

TEST_F(HistoryTest, WritesWithinASecondNotAtEachChange) {
  History history;
  history.add(entry(1));
  history.add(entry(2));
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 3000));
  EXPECT_EQ(decodeHistory(read(path))->entries.size(), 2u);
}

TEST_F(HistoryTest, AnUnreadableFileIsSetAsideAndANewOneBegun) {
  const QByteArray good = encodeHistory({{entry(1)}});
  QByteArray wrongType = good;
  wrongType.replace("\"when\":1700000000001", "\"when\":\"yesterday\"");
  ASSERT_NE(wrongType, good);
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"truncated", good.left(good.size() / 2)},
      {"garbage", QByteArray("\x00\xff\xfe{\"version\"", 14)},
      {"empty", ""},
      {"a list", "[1, 2, 3]"},
      {"a later version", QByteArray(good).replace("\"version\":1", "\"version\":2")},
      {"a field of the wrong type", wrongType},
      {"a calculation that is not an object", "{\"version\":1,\"calculations\":[7]}"},
      {"a missing field", QByteArray(good).replace("\"button\"", "\"buttons\"")},
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
    const auto written = decodeHistory(read(path));
    ASSERT_TRUE(written.has_value());
    ASSERT_EQ(written->entries.size(), 1u);
    expectSame(written->entries.front(), entry(2));
  }
  EXPECT_EQ(read(path + ".bad"), "an older bad file");
}

TEST_F(HistoryTest, WaitsWhileALiveCopyHoldsTheLock) {
  History history;
  QLockFile other(path + ".lock");
  ASSERT_TRUE(other.tryLock(std::chrono::milliseconds(0)));
  history.add(entry(1));
  QTest::qWait(1200);
  EXPECT_FALSE(QFile::exists(path)) << "written while another copy held the lock";
  other.unlock();
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }, 3000));
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
    const std::optional<HistoryFile> file = decodeHistory(read(path));
    for (const HistoryEntry& e : file->entries)
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
