#pragma once

#include <QString>

class QCoreApplication;
class QFont;
class QWidget;

namespace vorlinde {

class RuntimeError;

// The program's title, on every message box.
inline constexpr const char* kAppTitle = "Vorlinde";

// A modal box with the prompt, an OK ("确定") button only and no icon; returns
// when the pupil has pressed it.
void messageBox(QWidget* parent, const QString& prompt);

// A modal box with the prompt and two buttons; true when the pupil chose
// `accept`. `reject` is the default button and the answer to Escape.
bool askQuestion(QWidget* parent, const QString& prompt, const QString& accept,
                 const QString& reject);

// Qt's own words (the message box's "确定") in Chinese, whatever the locale: the
// rest of the screen is Chinese too.
void useQtChineseTexts(QCoreApplication& app);

// The report of a run-time error: "运行时错误 'N':", an empty line and its text.
void reportRuntimeError(QWidget* parent, const RuntimeError& error);

// The break a box puts where it wraps a line of its prompt; the prompt's own
// breaks stay "\n", so removing these gives the prompt back.
inline constexpr QChar kPromptWrap = QChar::LineSeparator;

// The prompt with a kPromptWrap wherever a line is wider than `width` pixels of
// the font: between Chinese characters and at blanks as the language's line
// breaking allows, and anywhere in a word longer than the line (a file's path).
QString wrapPrompt(const QString& prompt, const QFont& font, int width);

// The width a box's prompt wraps at: thirty characters of the font, about 360
// pixels at the program's size, scaled with the screen as the font is.
int promptWidth(const QFont& font);

}  // namespace vorlinde
