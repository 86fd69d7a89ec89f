// "Hoja de ejercicios...": the exercise sheet dialog, made when it is first
// asked for, so that the window's start does not pay for it, and kept for the
// rest of the run with the options last chosen.

#include "calculator/ftarvi.h"
#include "calculator/sheetdialog.h"

namespace tarvi {

void FTarvi::OpFulls_Click()
{
    if (sheetDialog_ == nullptr)
        sheetDialog_ = new SheetDialog(services_, this);
    sheetDialog_->show();
    sheetDialog_->raise();
    sheetDialog_->activateWindow();
}

} // namespace tarvi
