#include "working/history_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <limits>

namespace vorlinde {
namespace {

constexpr int kVersion = 1;
constexpr double kWhen = 9007199254740992.0;  // 2^53: every integer below is exact

QString text(const std::string& s) {
  return QString::fromStdString(s);
}

QJsonArray strings(const std::vector<std::string>& list) {
  QJsonArray array;
  for (const std::string& s : list)
    array.append(text(s));
  return array;
}

QJsonObject encode(const HistoryEntry& entry) {
  const Calculation& c = entry.calculation;
  QJsonArray shown;
  for (const auto& [label, value] : c.shown)
    shown.append(QJsonObject{{"label", text(label)}, {"text", text(value)}});
  return {
      {"window", text(c.window)},
      {"button", text(c.button)},
      {"boxes", strings(c.boxes)},
      {"texts", strings(c.texts)},
      {"unknowns", c.unknowns},
      {"error", c.error},
      {"shown", shown},
      {"format", QJsonObject{{"decimal", text(c.format.decimal)}, {"group", text(c.format.group)}}},
      {"when", qint64(c.when)},
      {"message", text(c.message)},
      {"title", text(entry.title)},
      {"answer", text(entry.answer)}};
}

// Reading that fails, field by field, on anything missing or of the wrong type.
class Reader {
 public:
  bool ok = true;

  std::string string(const QJsonObject& o, const char* key) {
    const QJsonValue v = o.value(key);
    if (!v.isString()) return fail<std::string>();
    return v.toString().toStdString();
  }
  std::vector<std::string> strings(const QJsonObject& o, const char* key) {
    const QJsonValue v = o.value(key);
    if (!v.isArray()) return fail<std::vector<std::string>>();
    std::vector<std::string> out;
    for (const QJsonValue& item : v.toArray()) {
      if (!item.isString()) return fail<std::vector<std::string>>();
      out.push_back(item.toString().toStdString());
    }
    return out;
  }
  std::int64_t integer(const QJsonObject& o, const char* key, double low, double high) {
    const QJsonValue v = o.value(key);
    const double d = v.toDouble();
    if (!v.isDouble() || d != std::floor(d) || d < low || d > high) return fail<std::int64_t>();
    return v.toInteger(std::int64_t(d));
  }
  QJsonObject object(const QJsonValue& v) {
    if (!v.isObject()) return fail<QJsonObject>();
    return v.toObject();
  }

 private:
  template <typename T>
  T fail() {
    ok = false;
    return {};
  }
};

HistoryEntry decode(const QJsonObject& o, Reader& r) {
  constexpr double kInt = std::numeric_limits<int>::max();
  HistoryEntry entry;
  Calculation& c = entry.calculation;
  c.window = r.string(o, "window");
  c.button = r.string(o, "button");
  c.boxes = r.strings(o, "boxes");
  c.texts = r.strings(o, "texts");
  c.unknowns = int(r.integer(o, "unknowns", -kInt, kInt));
  c.error = int(r.integer(o, "error", -kInt, kInt));
  const QJsonValue shown = o.value("shown");
  if (!shown.isArray()) r.ok = false;
  for (const QJsonValue& item : shown.toArray()) {
    const QJsonObject pair = r.object(item);
    c.shown.emplace_back(r.string(pair, "label"), r.string(pair, "text"));
  }
  const QJsonObject format = r.object(o.value("format"));
  c.format.decimal = r.string(format, "decimal");
  c.format.group = r.string(format, "group");
  c.when = r.integer(o, "when", -kWhen, kWhen);
  c.message = r.string(o, "message");
  entry.title = r.string(o, "title");
  entry.answer = r.string(o, "answer");
  return entry;
}

}  // namespace

QByteArray encodeHistory(const HistoryFile& file) {
  QJsonArray calculations;
  for (const HistoryEntry& entry : file.entries)
    calculations.append(encode(entry));
  QJsonObject root{{"version", kVersion}, {"calculations", calculations}};
  if (file.cleared != 0) root.insert("cleared", qint64(file.cleared));
  return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

std::optional<HistoryFile> decodeHistory(const QByteArray& json) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return std::nullopt;
  const QJsonObject root = document.object();
  const QJsonValue version = root.value("version"), calculations = root.value("calculations");
  if (!version.isDouble() || version.toDouble() != kVersion || !calculations.isArray())
    return std::nullopt;
  Reader reader;
  HistoryFile file;
  if (root.contains("cleared")) file.cleared = reader.integer(root, "cleared", -kWhen, kWhen);
  for (const QJsonValue& item : calculations.toArray()) {
    file.entries.push_back(decode(reader.object(item), reader));
    if (!reader.ok) return std::nullopt;
  }
  if (!reader.ok) return std::nullopt;
  return file;
}

}  // namespace vorlinde
