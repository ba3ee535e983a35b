#include "Form.h"

#include "Forms.h"
#include "ModalRunner.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>
#include <stdexcept>

namespace ui {

// Routes what the window system does to a form's window through the form.
class FormWindowFilter : public QObject {
public:
    explicit FormWindowFilter(Form &form) : m_form(form) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_form.window())
            return false;
        switch (event->type()) {
        case QEvent::Close:
            // The frame's close box unloads; the form decides in Form_Unload.
            event->ignore();
            m_form.closeByFrame();
            return true;
        case QEvent::Hide:
            // Hidden by code other than Form::hide (a QDialog's accept, say). A spontaneous
            // hide is the window system minimizing it: still shown.
            if (!event->spontaneous())
                m_form.markHidden();
            return false;
        case QEvent::KeyPress:
            // Reached here, Esc was left by the control that has the focus. In a dialog it
            // does what the frame's close box does: the cancel button's click, or the
            // dialog unloaded when it has none (left to itself, QDialog would hide, which
            // its caller would read as confirmed). Other windows answer it with their
            // cancel button only: Esc does not close a main window.
            if (!static_cast<QKeyEvent *>(event)->matches(QKeySequence::Cancel))
                return false;
            if (qobject_cast<QDialog *>(m_form.window())) {
                m_form.closeByFrame();
                return true;
            }
            return m_form.pressCancel();
        default:
            return false;
        }
    }

private:
    Form &m_form;
};

namespace {

// Keeps an unloaded form alive until the event loop runs again: the handler that unloaded
// it may still be running.
class FormKeeper : public QObject {
public:
    explicit FormKeeper(std::shared_ptr<Form> form) : m_form(std::move(form)) {}

private:
    std::shared_ptr<Form> m_form;
};

// Set while a scope runs, cleared however it ends.
struct ScopedFlag {
    bool &flag;
    explicit ScopedFlag(bool &f) : flag(f) { flag = true; }
    ~ScopedFlag() { flag = false; }
};

void keepUntilIdle(std::shared_ptr<Form> form)
{
    if (QCoreApplication::instance())
        (new FormKeeper(std::move(form)))->deleteLater();
}

}  // namespace

Form::Form(QWidget *window) : m_window(window), m_filter(std::make_unique<FormWindowFilter>(*this))
{
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->installEventFilter(m_filter.get());
}

Form::~Form()
{
    // The window goes first, while the filter it reports to still exists.
    m_window.reset();
}

QString Form::caption() const { return m_window->windowTitle(); }
void Form::setCaption(const QString &caption) { m_window->setWindowTitle(caption); }

void Form::load()
{
    if (m_loaded)
        return;
    std::shared_ptr<Form> self;
    try {
        self = shared_from_this();
    } catch (const std::bad_weak_ptr &) {
        throw std::logic_error("a form must be created with std::make_shared before it is loaded");
    }
    m_loaded = true;
    forms().add(self);
    Form_Load();
}

void Form::show()
{
    load();
    if (!m_loaded)
        return;
    m_shown = true;
    if (m_window->isMinimized())
        m_window->showNormal();
    else
        m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void Form::showModal(Form &owner)
{
    if (m_inModalShow)
        throw std::logic_error("the form is shown modally already");
    ModalRunner *runner = modalRunner();
    if (!runner)
        throw std::logic_error("a modal show needs a modal runner");
    load();
    if (!m_loaded)
        return;
    const std::shared_ptr<Form> self = shared_from_this();  // alive however the show ends

    if (m_window->isVisible())
        m_window->hide();  // modality takes effect on the next show only
    m_window->setWindowModality(Qt::ApplicationModal);
    m_window->winId();
    owner.window()->winId();
    if (m_window->windowHandle() && owner.window()->windowHandle())
        m_window->windowHandle()->setTransientParent(owner.window()->windowHandle());
    m_shown = true;
    m_window->show();

    {
        const ScopedFlag inModalShow(m_inModalShow);
        runner->run(*this);
    }
    m_modalEnd = nullptr;
    if (!isShown())
        m_window->setWindowModality(Qt::NonModal);  // a later show(), if any, is modeless
}

void Form::hide()
{
    markHidden();
    m_window->hide();
}

void Form::markHidden()
{
    m_shown = false;
    if (m_inModalShow && m_modalEnd) {
        const auto end = std::move(m_modalEnd);
        m_modalEnd = nullptr;
        end();
    }
}

void Form::unload()
{
    if (!m_loaded || m_unloading)
        return;
    const std::shared_ptr<Form> self = shared_from_this();
    bool cancel = false;
    {
        const ScopedFlag unloading(m_unloading);
        Form_Unload(cancel);
    }
    if (cancel)
        return;
    m_loaded = false;
    forms().remove(this);
    hide();
    keepUntilIdle(self);
}

void Form::closeByFrame()
{
    if (!m_cancelButton)
        unload();
    else
        pressCancel();
}

bool Form::pressCancel()
{
    if (!m_cancelButton || !m_cancelButton->isVisibleTo(m_window.get()) || !m_cancelButton->isEnabled())
        return false;
    m_cancelButton->click();
    return true;
}

void Form::setMousePointer(MousePointer pointer) { ui::setMousePointer(*m_window, pointer); }
MousePointer Form::mousePointer() const { return ui::mousePointer(*m_window); }

}  // namespace ui

