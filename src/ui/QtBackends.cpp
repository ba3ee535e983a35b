#include "QtBackends.h"

#include "Form.h"
#include "InputBox.h"
#include "ModalRunner.h"
#include "MsgBox.h"
#include "OpenOutside.h"
#include "PopupMenu.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileDialog>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>

namespace ui {

namespace {

// Prompts are written with CR LF line breaks.
QString shownText(QString text) { return text.replace(QLatin1String("\r\n"), QLatin1String("\n")); }

class QtMessageBoxes : public MessageBoxBackend {
public:
    Answer ask(const MessageBoxRequest &r) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(r.title);
        box.setTextFormat(Qt::PlainText);  // prompts carry names the user typed
        box.setText(shownText(r.prompt));
        box.setIcon(icon(r.icon));
        const std::vector<std::pair<QMessageBox::StandardButton, Answer>> buttons = buttonsOf(r.buttons);
        for (const auto &b : buttons)
            box.addButton(b.first);
        box.setDefaultButton(buttons.front().first);
        box.exec();
        const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
        for (const auto &b : buttons)
            if (b.first == clicked)
                return b.second;
        // Closed without a button: the box's escape answer, else its last button.
        return buttons.back().second;
    }

private:
    static QMessageBox::Icon icon(Icon i)
    {
        switch (i) {
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            break;
        }
        return QMessageBox::NoIcon;
    }

    static std::vector<std::pair<QMessageBox::StandardButton, Answer>> buttonsOf(Buttons b)
    {
        using B = QMessageBox;
        switch (b) {
        case Buttons::Ok:
            return {{B::Ok, Answer::Ok}};
        case Buttons::OkCancel:
            return {{B::Ok, Answer::Ok}, {B::Cancel, Answer::Cancel}};
        case Buttons::AbortRetryIgnore:
            return {{B::Abort, Answer::Abort}, {B::Retry, Answer::Retry}, {B::Ignore, Answer::Ignore}};
        case Buttons::YesNoCancel:
            return {{B::Yes, Answer::Yes}, {B::No, Answer::No}, {B::Cancel, Answer::Cancel}};
        case Buttons::YesNo:
            return {{B::Yes, Answer::Yes}, {B::No, Answer::No}};
        case Buttons::RetryCancel:
            return {{B::Retry, Answer::Retry}, {B::Cancel, Answer::Cancel}};
        }
        return {{B::Ok, Answer::Ok}};
    }
};

class QtInputBoxes : public InputBoxBackend {
public:
    std::optional<QString> ask(const InputBoxRequest &r) override
    {
        QInputDialog dialog(QApplication::activeWindow());
        dialog.setWindowTitle(r.title);
        dialog.setLabelText(shownText(r.prompt));
        dialog.setTextValue(r.defaultText);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.textValue();
    }
};

class QtFileDialogs : public FileDialogBackend {
public:
    std::optional<FileDialogAnswer> ask(const FileDialogRequest &r) override
    {
        QFileDialog dialog(QApplication::activeWindow(), r.title, r.initDir);
        const bool save = r.mode == FileDialogMode::Save;
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (r.mode == FileDialogMode::Folder) {
            dialog.setFileMode(QFileDialog::Directory);
            dialog.setOption(QFileDialog::ShowDirsOnly, true);
        }
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        const QStringList filters = qtNameFilters(r.filter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            dialog.selectNameFilter(filters.value(r.filterIndex - 1, filters.front()));
        }
        if (!r.fileName.isEmpty())
            dialog.selectFile(r.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const qsizetype chosenFilter = filters.indexOf(dialog.selectedNameFilter());
        return FileDialogAnswer{dialog.selectedFiles().front(),
                                chosenFilter < 0 ? r.filterIndex : int(chosenFilter) + 1};
    }
};

class EventLoopModalRunner : public ModalRunner {
public:
    void run(Form &form) override
    {
        if (!form.isShown())
            return;
        QEventLoop loop;
        form.setModalEndHook([&loop] { loop.quit(); });
        loop.exec(QEventLoop::DialogExec);
    }
};

class QtPopupMenus : public PopupMenuBackend {
public:
    // QMenu::exec triggers the chosen action before it returns.
    void popup(QMenu &menu, const QPoint &at) override { menu.exec(at); }
};

class DesktopOutsideOpens : public OutsideOpenBackend {
public:
    void open(const QUrl &url) override { QDesktopServices::openUrl(url); }
};

}  // namespace

QStringList qtNameFilters(const QString &filter)
{
    // Qt takes the patterns from a filter's closing parentheses, so whatever the description
    // ends with in parentheses gives way to the patterns it stands for.
    static const QRegularExpression ownList(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList out;
    for (const FileFilter &f : parseFileFilter(filter)) {
        QStringList patterns = f.patterns;
        for (QString &p : patterns)
            if (p == QLatin1String("*.*"))
                p = QStringLiteral("*");
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        QString description = f.description;
        description.remove(ownList);
        out << description.trimmed() + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return out;
}

void installQtBackends()
{
    static QtMessageBoxes messageBoxes;
    static QtInputBoxes inputBoxes;
    static QtFileDialogs fileDialogs;
    static EventLoopModalRunner modalRunner;
    static QtPopupMenus popupMenus;
    static DesktopOutsideOpens outsideOpens;
    setMessageBoxBackend(&messageBoxes);
    setInputBoxBackend(&inputBoxes);
    setFileDialogBackend(&fileDialogs);
    setModalRunner(&modalRunner);
    setPopupMenuBackend(&popupMenus);
    setOutsideOpenBackend(&outsideOpens);
}

}  // namespace ui
