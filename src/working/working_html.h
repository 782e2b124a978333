#pragma once

#include <QString>

#include "steps/working.h"

namespace vorlinde::working {

// The working as HTML for the clipboard: what a word processor can paste. Fractions
// are written on the line as in the plain text; exponents and indices are raised
// and lowered, radicands overlined, rows set in a table.
QString workingHtml(const steps::Working& working);

}  // namespace vorlinde::working
