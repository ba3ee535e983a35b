#include "frmWait.h"

#include "ui/CommandBoundary.h"

#include <QLabel>
#include <QVBoxLayout>

frmWait::frmWait() : ui::Form(new QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint))
{
    QWidget *w = window();
    setCaption(QStringLiteral("Please wait"));
    lblMess = new QLabel(w);
    lblMess->setAlignment(Qt::AlignCenter);
    lblMess->setWordWrap(true);
    lblMess->setMinimumWidth(240);
    auto *layout = new QVBoxLayout(w);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(lblMess);
    ui::registerWaitWindow(w);
}
