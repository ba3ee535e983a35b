#include "frmWait.h"

#include "ui/CommandBoundary.h"
#include "ui/Forms.h"

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

WaitWindow::WaitWindow(const ui::Form &over, const QString &message) : m_wait(ui::loadedOrNew<frmWait>())
{
    m_wait->load();
    m_wait->lblMess->setText(message);
    QWidget *w = m_wait->window();
    w->adjustSize();
    const QRect owner = over.window()->frameGeometry();
    w->move(owner.left() + owner.width() / 2 - w->width() / 2, owner.top() + owner.height() / 2 - w->height() / 2);
    m_wait->show();
    w->repaint();
}

WaitWindow::~WaitWindow() { m_wait->unload(); }
