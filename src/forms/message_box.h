#pragma once

#include <QString>

class QCoreApplication;
class QWidget;

namespace vorlinde {

class RuntimeError;

// The program's title, on every message box.
inline constexpr const char* kAppTitle = "Vorlinde";

// A modal box with the prompt, an OK ("确定") button only and no icon; returns
// when the pupil has pressed it.
void messageBox(QWidget* parent, const QString& prompt);

// A modal question with two buttons and no icon: true when the pupil chose
// `accept`. `reject` is the default button, so Return and Escape keep things as
// they are.
bool askQuestion(QWidget* parent, const QString& prompt, const QString& accept,
                 const QString& reject);

// Qt's own words (the message box's "确定") in Chinese, whatever the locale: the
// rest of the screen is Chinese too.
void useQtChineseTexts(QCoreApplication& app);

// The report of a run-time error: "运行时错误 'N':", an empty line and its text.
void reportRuntimeError(QWidget* parent, const RuntimeError& error);

}  // namespace vorlinde
