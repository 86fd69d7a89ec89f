#include "filedialog/state.h"

namespace tarvi {

std::int16_t ModeDlg = 0;
QString FtxTriat;
QString CarpActual;
QString CarpAnterior;

} // namespace tarvi
