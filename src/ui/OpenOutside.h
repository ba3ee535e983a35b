#pragma once
// Handing a link to the program the user's system opens it with (a web browser, a mail
// program). Who does it is a backend: the desktop's in the program, a recorder in tests,
// so a test sees what would have been opened and nothing is started. Needs no widgets.
//
//   ui::openOutside(QUrl("https://example.org/"));

#include <QUrl>

namespace ui {

class OutsideOpenBackend {
public:
    virtual ~OutsideOpenBackend() = default;
    virtual void open(const QUrl &url) = 0;
};

// Installs the backend (not owned); nullptr restores the default, which opens nothing.
void setOutsideOpenBackend(OutsideOpenBackend *backend);

void openOutside(const QUrl &url);

}  // namespace ui
