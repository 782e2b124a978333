#pragma once

#include "steps/working.h"

class QPagedPaintDevice;

namespace vorlinde::working {

// Lays the working out on the device's pages as on a screen of 96 pixels an inch
// (working/page_layout.h): its lines broken at the page's width, a wide table
// scaled down or cut into blocks of columns, the figure whole on one page after
// the text, and "第 k 页，共 N 页" at the foot of every page. False when nothing
// could be painted.
bool printWorking(QPagedPaintDevice& device, const steps::Working& working);

}  // namespace vorlinde::working
