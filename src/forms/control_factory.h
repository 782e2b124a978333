#pragma once

#include <QFont>
#include <QIcon>
#include <QString>
#include <string>

#include "forms/control_table.h"

class QLabel;
class QWidget;

namespace vorlinde {

// The widget properties the forms layer keeps on every control.
inline constexpr const char* kTwipsProperty = "twips";      // its place, in twips
inline constexpr const char* kNamedByProperty = "namedBy";  // its accessible name's caption

inline QString fromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The face every window is drawn in, and a control's own where its table says.
QFont windowFont();
QFont controlFont(const FontChoice& choice);

// A widget for the control, its caption set, not yet placed.
QWidget* makeControl(const ControlDescription& c, QWidget* parent);
void paintBackdrop(QWidget* w, Backdrop backdrop);

// A label that sizes itself to its caption keeps its left and top.
void fitToCaption(QLabel* label);

// A window icon from every size drawn of it: ":/pictures/<name>-<size>".
QIcon readWindowIcon(const char* name);

}  // namespace vorlinde
