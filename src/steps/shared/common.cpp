#include "steps/shared/common.h"

#include <algorithm>

#include "core/runtime_error.h"
#include "exact/notation.h"
#include "steps/shared/answer.h"

namespace vorlinde::steps {

Working begin(std::string window, std::string panel) {
  Working w{std::move(window), std::move(panel), {}, {}};
  w.lines.push_back({LineKind::Heading, w.window + " · " + w.panel, {}});
  return w;
}

void line(Working& w, LineKind kind, std::string text) {
  w.lines.push_back({kind, std::move(text), {}});
}

void row(Working& w, std::vector<std::string> cells) {
  w.lines.push_back({LineKind::Row, {}, std::move(cells)});
}

void answer(Working& w, const std::vector<std::string>& items) {
  line(w, LineKind::Answer, answerLine(items));
}

std::optional<exact::Rational> typed(const Calculation& c, std::size_t box) {
  const std::string* text = c.text(box);
  if (!text) return std::nullopt;
  return exact::readStrict(*text, c.format);
}

std::optional<exact::Rational> typedLeniently(const Calculation& c, std::size_t box) {
  const std::string* text = c.text(box);
  if (!text) return std::nullopt;
  return exact::readLenient(*text);
}

std::size_t characterCount(std::string_view text) {
  // Every byte but a continuation byte (10xxxxxx) starts a character.
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char ch) {
    return (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  }));
}

std::string written(const exact::Rational& value, const NumberFormat& format) {
  return exact::show(value, format).text();
}

namespace {

// Typed text as the working quotes it: in full, or where a pupil typed pages of
// digits, its start and end with the count of its characters.
std::string quoted(const std::string& typed) {
  constexpr std::size_t kLongest = 40;
  const std::string text = notation::literal(typed);
  if (text.size() <= kLongest) return text;
  std::size_t head = 24, tail = text.size() - 8;
  while (head > 0 && (static_cast<unsigned char>(text[head]) & 0xC0) == 0x80)
    --head;
  while (tail < text.size() && (static_cast<unsigned char>(text[tail]) & 0xC0) == 0x80)
    ++tail;
  return text.substr(0, head) + "…" + text.substr(tail) + "，共 " +
         std::to_string(characterCount(text)) + " 个字符";
}

// A long number's digits without the thin spaces that group them.
std::string ungrouped(std::string text) {
  constexpr std::string_view kThinSpace = "\u2009";
  for (std::size_t at; (at = text.find(kThinSpace)) != std::string::npos;)
    text.erase(at, kThinSpace.size());
  return text;
}

}  // namespace

std::string given(const Calculation& c, std::string_view name, std::size_t box) {
  const std::optional<exact::Rational> value = typed(c, box);
  const std::string* text = c.text(box);
  if (!value || !text) return std::string(name) + " 不是数";
  const std::string exactText = exact::text(*value, c.format);
  std::string out = std::string(name) + " = " + exactText;
  std::string typedText = *text;
  typedText.erase(0, typedText.find_first_not_of(' '));
  typedText.erase(typedText.find_last_not_of(' ') + 1);
  if (ungrouped(notation::plain(exactText)) != typedText)
    out += "（输入的是“" + quoted(typedText) + "”）";
  return out;
}

void errorLine(Working& w, const Calculation& c, std::string_view what) {
  line(w, LineKind::Note, std::string(what));
  line(w, LineKind::Note,
       "窗口报告：运行时错误 " + std::to_string(c.error) + "，" +
           errorText(static_cast<ErrorCode>(c.error)) + "。");
}

}  // namespace vorlinde::steps
