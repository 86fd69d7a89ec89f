// "Práctica..." in the menu "Archivo": the practice window.

#include "calculator/fpractica.h"
#include "calculator/ftarvi.h"

namespace tarvi {

// One practice window, made on first use; closed and shown again, it goes on
// with its session.
void FTarvi::OpPractica_Click()
{
    if (!practica_)
        practica_ = new FPractica(services_, this);
    practica_->show();
    practica_->raise();
    practica_->activateWindow();
}

} // namespace tarvi
