#pragma once

#include <QtGlobal>
#include <functional>

class QPagedPaintDevice;
class QString;
class QWidget;

namespace vorlinde::working {

enum class PrintOutcome : int { Printed, Cancelled, Failed };

// Paints the pages on the printer the pupil chose; false when nothing could be painted.
using PaintPages = std::function<bool(QPagedPaintDevice&)>;

// The print module's one entry, looked up by name once the module is loaded.
using PrintDialogFunction = PrintOutcome (*)(QWidget* parent, const QString& title,
                                             const PaintPages& paint);
inline constexpr char kPrintDialogSymbol[] = "vorlinde_print_dialog";

}  // namespace vorlinde::working

// Asks for a printer with Qt's print dialog and, when the pupil accepts, paints on it.
extern "C" Q_DECL_EXPORT vorlinde::working::PrintOutcome vorlinde_print_dialog(
    QWidget* parent, const QString& title, const vorlinde::working::PaintPages& paint);
