#pragma once
// Records the links the program would hand to the system, and opens none of them.

#include "ui/OpenOutside.h"

#include <QList>

class ScriptedOutsideOpens : public ui::OutsideOpenBackend {
public:
    ScriptedOutsideOpens() { ui::setOutsideOpenBackend(this); }
    ~ScriptedOutsideOpens() override { ui::setOutsideOpenBackend(nullptr); }
    void open(const QUrl &url) override { opened << url; }
    QList<QUrl> opened;
};
