#include "ModalRunner.h"

#include "Installed.h"

namespace ui {

void setModalRunner(ModalRunner *r) { installed<ModalRunner>() = r; }
ModalRunner *modalRunner() { return installed<ModalRunner>(); }

}  // namespace ui
