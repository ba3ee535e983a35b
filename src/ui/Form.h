#pragma once
// A window of the program. It is loaded (joins the open forms, runs Form_Load), shown
// modeless or modal, hidden (stays loaded, its controls keep their values) and unloaded
// (runs Form_Unload, which may cancel; leaves the open forms). A window with a Cancel (or
// Close) button names it as its cancel button: Escape presses it, and so does closing the
// window by its frame. A window without one is unloaded by its frame, and a dialog without
// one by Escape too.
//
// Forms are created with std::make_shared: the open forms hold them while loaded, and an
// unloaded form stays alive until the event loop runs again, because a handler of the form
// often unloads its own form and goes on. Whoever keeps a pointer may read the form's
// controls after it hid or unloaded itself, which is how callers take a dialog's answer.

#include "MousePointer.h"

#include <QString>
#include <functional>
#include <memory>

class QAbstractButton;
class QObject;
class QWidget;

namespace ui {

class Form : public std::enable_shared_from_this<Form> {
public:
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    QWidget *window() const { return m_window.get(); }
    QString caption() const;
    void setCaption(const QString &caption);

    bool isLoaded() const { return m_loaded; }
    bool isShown() const { return m_loaded && m_shown; }

    // Idempotent.
    void load();
    // Modeless. An already shown form is brought to the front: restored when minimized,
    // raised and given the focus.
    void show();
    // Returns once this form is hidden or unloaded; modal shows nest. The owner is the
    // window the dialog belongs to.
    void showModal(Form &owner);
    void hide();
    // Idempotent; does nothing when Form_Unload cancels.
    void unload();
    // What the close box of the frame does: the cancel button's click, or unloading the
    // form when it has none. A disabled cancel button keeps the window open.
    void closeByFrame();

    void setMousePointer(MousePointer pointer);
    MousePointer mousePointer() const;

    // For modal runners: called once when the modal show in progress ends.
    void setModalEndHook(std::function<void()> hook) { m_modalEnd = std::move(hook); }

protected:
    // Takes ownership of the top-level widget (a QMainWindow, QDialog or plain QWidget).
    explicit Form(QWidget *window);

    // The button that Escape and the frame's close box press; one of the window's controls.
    void setCancelButton(QAbstractButton *button) { m_cancelButton = button; }

    virtual void Form_Load() {}
    virtual void Form_Unload(bool &cancel) {}

private:
    friend class FormWindowFilter;
    void markHidden();
    // True when the cancel button took the key.
    bool pressCancel();

    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<QObject> m_filter;
    QAbstractButton *m_cancelButton = nullptr;
    bool m_loaded = false;
    bool m_shown = false;
    bool m_unloading = false;
    bool m_inModalShow = false;
    std::function<void()> m_modalEnd;
};

}  // namespace ui
