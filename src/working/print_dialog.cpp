#include "working/print_dialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <type_traits>

using vorlinde::working::PaintPages;
using vorlinde::working::PrintOutcome;

// The window calls the entry through this pointer type, so the two must not drift apart.
static_assert(
    std::is_same_v<decltype(&vorlinde_print_dialog), vorlinde::working::PrintDialogFunction>);

PrintOutcome vorlinde_print_dialog(QWidget* parent, const QString& title, const PaintPages& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(title);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle("打印解题过程");
  if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
  return paint(printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}
