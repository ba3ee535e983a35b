#include "OpenOutside.h"

#include "Installed.h"

namespace ui {

void setOutsideOpenBackend(OutsideOpenBackend *backend) { installed<OutsideOpenBackend>() = backend; }

void openOutside(const QUrl &url)
{
    if (OutsideOpenBackend *backend = installed<OutsideOpenBackend>())
        backend->open(url);
}

}  // namespace ui
