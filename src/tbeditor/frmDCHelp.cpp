#include "frmDCHelp.h"

#include "publish/PageView.h"
#include "termbase/Global.h"
#include "ui/App.h"
#include "ui/CommandBoundary.h"
#include "ui/MsgBox.h"
#include "ui/Toolbar.h"
#include "ui/Twips.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMainWindow>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const QString HelpPageName = QStringLiteral("DCHelp.html");

// Enter in the combo's text shows the category typed or picked, as a click does.
class EnterShows : public QObject {
public:
    explicit EnterShows(frmDCHelp &help) : QObject(help.window()), m_help(help) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                ui::runCommand(m_help.window(), [this] { m_help.cbxDCs_Click(); });
                return true;
            }
        }
        return false;
    }

private:
    frmDCHelp &m_help;
};

}  // namespace

frmDCHelp::frmDCHelp() : ui::Form(new QMainWindow)
{
    auto *w = static_cast<QMainWindow *>(window());
    setCaption(QStringLiteral("Data Categories Help"));
    // Too small a window shows neither the combo nor the page.
    w->setMinimumSize(ui::twipsToPixels(4300), ui::twipsToPixels(2000));
    w->resize(ui::twipsToPixels(9000), ui::twipsToPixels(7000));

    ToolBar1 = ui::Toolbar::addTo(w, ui::command(w, [this](const QString &key) { ToolBar1_ButtonClick(key); }));
    ToolBar1->addImage(QStringLiteral("back"), QApplication::style()->standardIcon(QStyle::SP_ArrowBack));
    ToolBar1->addImage(QStringLiteral("forward"), QApplication::style()->standardIcon(QStyle::SP_ArrowForward));
    ToolBar1->addButton(QStringLiteral("back"), QStringLiteral("back"), QStringLiteral("Back"));
    ToolBar1->addButton(QStringLiteral("forward"), QStringLiteral("forward"), QStringLiteral("Forward"));

    cbxDCs = new QComboBox;
    cbxDCs->setEditable(true);
    cbxDCs->setInsertPolicy(QComboBox::NoInsert);
    cbxDCs->setToolTip(QStringLiteral("Selected Data Category"));
    cbxDCs->setMinimumContentsLength(30);
    ToolBar1->addWidget(cbxDCs);
    QObject::connect(cbxDCs, &QComboBox::activated, w, ui::command(w, [this](int) { cbxDCs_Click(); }));
    // The combo box, not its line edit, holds the focus and receives the keys.
    cbxDCs->installEventFilter(new EnterShows(*this));

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(3, 3, 3, 3);
    Browser = new PageView;
    Browser->setPageFolder(ui::appPath());
    layout->addWidget(Browser);
    w->setCentralWidget(central);

    lblTarget.onChange([this] { lblTarget_Change(); });
}

QString frmDCHelp::helpAddress(const QString &categoryID)
{
    return QDir::toNativeSeparators(QDir(ui::appPath()).filePath(HelpPageName)) + QLatin1Char('#') + categoryID;
}

void frmDCHelp::Form_Load()
{
    // The structure of a termbase ("0" ...) and the back matter's records ("x" ...) have
    // no help of their own.
    cbxDCs->clear();
    for (const DataCategoryRow &row : DCTable) {
        if (row.categoryID.startsWith(QLatin1Char('x')) || row.categoryID.startsWith(QLatin1Char('0')))
            continue;
        cbxDCs->addItem(row.Name + QStringLiteral(" (") + row.categoryID + QLatin1Char(')'), row.categoryID);
    }
    cbxDCs->setCurrentIndex(-1);
}

void frmDCHelp::cbxDCs_Click()
{
    // The item keeps its categoryID, so a name that itself holds " (" finds its anchor;
    // a typed text that is no item leaves the page as it is.
    const int item = cbxDCs->findText(cbxDCs->currentText(), Qt::MatchExactly);
    if (cbxDCs->currentText().isEmpty() || item < 0)
        return;
    lblTarget.setCaption(helpAddress(cbxDCs->itemData(item).toString()));
}

void frmDCHelp::lblTarget_Change()
{
    const QString address = lblTarget.caption();
    if (address.isEmpty())
        return;
    const qsizetype hash = address.lastIndexOf(QLatin1Char('#'));
    const QString path = hash < 0 ? address : address.left(hash);
    const QString anchor = hash < 0 ? QString() : address.mid(hash + 1);
    if (!QFileInfo::exists(path)) {
        ui::msgBox(QStringLiteral("The help page ") + QDir::toNativeSeparators(path) + QStringLiteral(" cannot be found."),
                   ui::Buttons::Ok, ui::Icon::Exclamation);
        return;
    }
    Browser->showPage(path, anchor);
    if (window()->isMinimized())
        window()->showNormal();
}

void frmDCHelp::ToolBar1_ButtonClick(const QString &key)
{
    if (key == QLatin1String("back"))
        Browser->goBack();
    else if (key == QLatin1String("forward"))
        Browser->goForward();
}
