#include "frmSplash.h"

#include "Version.h"
#include "ui/CommandBoundary.h"
#include "ui/Forms.h"

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSysInfo>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The splash hears keys on its window and clicks on its frame.
class SplashEvents : public QObject {
public:
    explicit SplashEvents(frmSplash &splash) : m_splash(splash) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && watched == m_splash.window()) {
            m_splash.Form_KeyPress();
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress && watched == m_splash.Frame1) {
            m_splash.Frame1_Click();
            return true;
        }
        return false;
    }

private:
    frmSplash &m_splash;
};

}  // namespace

frmSplash::frmSplash() : ui::Form(new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint))
{
    QWidget *w = window();
    Frame1 = new QFrame(w);
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setLineWidth(2);

    auto *logo = new QLabel(Frame1);
    logo->setPixmap(QIcon(QStringLiteral(":/icons/tree.xpm")).pixmap(64, 64));
    logo->setAlignment(Qt::AlignCenter);
    lblProductName = new QLabel(QStringLiteral("Lexvarin"), Frame1);
    QFont big = lblProductName->font();
    big.setPointSize(big.pointSize() * 2 + 4);
    big.setBold(true);
    lblProductName->setFont(big);
    auto *tagline = new QLabel(QStringLiteral("Ontologies and termbases for terminologists"), Frame1);
    lblPlatform = new QLabel(QSysInfo::prettyProductName(), Frame1);
    lblVersion = new QLabel(Frame1);

    auto *inner = new QVBoxLayout(Frame1);
    inner->setContentsMargins(32, 24, 32, 24);
    for (QLabel *l : {logo, lblProductName, tagline, lblPlatform, lblVersion}) {
        l->setAlignment(Qt::AlignCenter);
        inner->addWidget(l);
    }
    auto *outer = new QVBoxLayout(w);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Frame1);

    tmrSplash = new QTimer(w);
    tmrSplash->setInterval(3500);
    tmrSplash->setSingleShot(true);
    QObject::connect(tmrSplash, &QTimer::timeout, w, ui::command(w, [this] { tmrSplash_Timer(); }));

    auto *events = new SplashEvents(*this);
    events->setParent(w);
    w->installEventFilter(events);
    Frame1->installEventFilter(events);
}

void frmSplash::Form_Load()
{
    lblVersion->setText(QStringLiteral("Versión ") + versionText());
    QWidget *w = window();
    w->ensurePolished();
    w->resize(w->sizeHint());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
    }
    tmrSplash->start();
}

void frmSplash::Form_Unload(bool &)
{
    tmrSplash->stop();
}

void frmSplash::tmrSplash_Timer() { endSplash(); }
void frmSplash::Form_KeyPress() { endSplash(); }
void frmSplash::Frame1_Click() { endSplash(); }

void frmSplash::endSplash()
{
    if (!isLoaded())
        return;  // a key and the timer can both come; the start-up ends once
    // The main window is the first window loaded, before the splash.
    const auto main = ui::forms().count() > 0 ? ui::forms().at(0) : nullptr;
    if (main && main.get() != this)
        main->window()->setEnabled(true);
    ui::setScreenMousePointer(ui::MousePointer::Default);
    unload();
}
