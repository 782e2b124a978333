#include "working/history.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace vorlinde {
namespace {

class HistoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QStandardPaths::setTestModeEnabled(true);
    path = History::defaultPath();
    QFile::remove(path);
    QFile::remove(path + ".bad");
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
  EXPECT_EQ(decodeHistory(read(path))->size(), 2u);
}

TEST_F(HistoryTest, AnUnreadableFileIsSetAsideAndANewOneBegun) {
  const QByteArray good = encodeHistory({entry(1)});
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
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    write(path + ".bad", "an older bad file");
    write(path, c.bytes);
    History history;
    EXPECT_TRUE(history.entries().empty());
    EXPECT_EQ(read(path + ".bad"), c.bytes);
    history.add(entry(2));
    history.flush();
    const auto written = decodeHistory(read(path));
    ASSERT_TRUE(written.has_value());
    ASSERT_EQ(written->size(), 1u);
    expectSame(written->front(), entry(2));
  }
}

}  // namespace
}  // namespace vorlinde
