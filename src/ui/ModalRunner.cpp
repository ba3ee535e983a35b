#include "ModalRunner.h"

namespace ui {

namespace {
ModalRunner *&runner()
{
    static ModalRunner *r = nullptr;
    return r;
}
}  // namespace

void setModalRunner(ModalRunner *r) { runner() = r; }
ModalRunner *modalRunner() { return runner(); }

}  // namespace ui
