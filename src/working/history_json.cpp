#include "working/history_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <limits>

namespace vorlinde {
namespace {

constexpr int kVersion = 2;
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
  for (const std::optional<std::string>& value : c.shown)
    shown.append(value ? QJsonValue(text(*value)) : QJsonValue());
  return {
      {"panel", text(std::string(panel(c.panel).key))},
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

// Version 1 named the panel by its window and button, and the labels by name.
const PanelEntry* decodeFirstVersion(const QJsonObject& o, Reader& r, Calculation& c) {
  const PanelEntry* p = panelOf(r.string(o, "window"), r.string(o, "button"));
  r.strings(o, "boxes");
  const QJsonValue shown = o.value("shown");
  if (!shown.isArray()) r.ok = false;
  std::vector<std::pair<std::string, std::string>> pairs;
  for (const QJsonValue& item : shown.toArray()) {
    const QJsonObject pair = r.object(item);
    pairs.emplace_back(r.string(pair, "label"), r.string(pair, "text"));
  }
  for (const std::string& label : p ? p->labels : std::vector<std::string>{}) {
    const auto found = std::ranges::find(pairs, label, &std::pair<std::string, std::string>::first);
    c.shown.push_back(found == pairs.end() ? std::nullopt : std::optional(found->second));
  }
  return p;
}

const PanelEntry* decodeSecondVersion(const QJsonObject& o, Reader& r, Calculation& c) {
  const PanelEntry* p = panelByKey(r.string(o, "panel"));
  const QJsonValue shown = o.value("shown");
  if (!shown.isArray()) r.ok = false;
  for (const QJsonValue& item : shown.toArray()) {
    if (item.isNull())
      c.shown.emplace_back();
    else if (item.isString())
      c.shown.emplace_back(item.toString().toStdString());
    else
      r.ok = false;
  }
  return p;
}

// The entry, or nothing where its panel is not one of this program's.
std::optional<HistoryEntry> decode(const QJsonObject& o, int version, Reader& r) {
  constexpr double kInt = std::numeric_limits<int>::max();
  HistoryEntry entry;
  Calculation& c = entry.calculation;
  const PanelEntry* p = version == 1 ? decodeFirstVersion(o, r, c) : decodeSecondVersion(o, r, c);
  c.texts = r.strings(o, "texts");
  c.unknowns = int(r.integer(o, "unknowns", -kInt, kInt));
  c.error = int(r.integer(o, "error", -kInt, kInt));
  const QJsonObject format = r.object(o.value("format"));
  c.format.decimal = r.string(format, "decimal");
  c.format.group = r.string(format, "group");
  c.when = r.integer(o, "when", -kWhen, kWhen);
  c.message = r.string(o, "message");
  entry.title = r.string(o, "title");
  entry.answer = r.string(o, "answer");
  if (!p) return std::nullopt;
  c.panel = p->id;
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

DecodedHistory decodeHistory(const QByteArray& json) {
  const DecodedHistory damaged{DecodedHistory::Damaged, {}};
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(json, &error);
  if (error.error != QJsonParseError::NoError || !document.isObject()) return damaged;
  const QJsonObject root = document.object();
  Reader reader;
  const auto version = int(reader.integer(root, "version", 1, kWhen));
  if (!reader.ok) return damaged;
  if (version > kVersion) return {DecodedHistory::Newer, {}};
  const QJsonValue calculations = root.value("calculations");
  if (!calculations.isArray()) return damaged;
  DecodedHistory read{DecodedHistory::Read, {}};
  if (root.contains("cleared")) read.file.cleared = reader.integer(root, "cleared", -kWhen, kWhen);
  for (const QJsonValue& item : calculations.toArray()) {
    std::optional<HistoryEntry> entry = decode(reader.object(item), version, reader);
    if (!reader.ok) return damaged;
    if (entry) read.file.entries.push_back(std::move(*entry));
  }
  return reader.ok ? read : damaged;
}

}  // namespace vorlinde
