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

// Where the system has none of the faces the windows ask for (a Windows without
// Chinese fonts), loads every font file of the folder; returns how many it loaded.
int loadFacesIfMissing(const QStringList& faces, const QString& folder);
// On Windows, the same with the faces the installer puts in the program's folder.
void useShippedFaces();

// A widget for the control, its caption set, not yet placed.
QWidget* makeControl(const ControlDescription& c, QWidget* parent);
void paintBackdrop(QWidget* w, Backdrop backdrop);

// A label that sizes itself to its caption keeps its left and top.
void fitToCaption(QLabel* label);

// A window icon from every size drawn of it: ":/pictures/<name>-<size>".
QIcon readWindowIcon(const char* name);

}  // namespace vorlinde
