#include "testkit/workdir.h"

#include <QDir>

namespace tarvi::testkit {

TempWorkDir::TempWorkDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }

TempWorkDir::~TempWorkDir() { QDir::setCurrent(previous_); }

} // namespace tarvi::testkit
