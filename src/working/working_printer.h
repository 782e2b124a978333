#pragma once

#include "steps/figure.h"

class QPagedPaintDevice;
class QTextDocument;

namespace vorlinde::working {

// Lays the typeset working out on the device's pages, as it stands on the screen
// scaled to the device's resolution, with the figure after it: on the last page
// where it fits, else on a page of its own. False when nothing could be painted.
bool printWorking(QPagedPaintDevice& device, const QTextDocument& text,
                  const steps::Figure& figure);

}  // namespace vorlinde::working
