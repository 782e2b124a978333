#pragma once

#include <QString>

class QWidget;

namespace vorlinde {

class RuntimeError;

// The program's title, on every message box.
inline constexpr const char* kAppTitle = "Vorlinde";

// A modal box with the prompt, an OK button only and no icon; returns when the
// pupil has pressed OK.
void messageBox(QWidget* parent, const QString& prompt);

// The report of a run-time error: "运行时错误 'N':", an empty line and its text.
void reportRuntimeError(QWidget* parent, const RuntimeError& error);

}  // namespace vorlinde
