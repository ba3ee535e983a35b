#include "frmTBOptions.h"

#include "ui/CommandBoundary.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmTBOptions::frmTBOptions() : ui::Form(new QDialog)
{
    QWidget *w = window();
    setCaption(QStringLiteral("TermBase Options"));

    fraLanguage = new QGroupBox(QStringLiteral("Language"), w);
    auto *languages = new QVBoxLayout(fraLanguage);
    const auto option = [](const QString &caption, QVBoxLayout *into) {
        auto *button = new QRadioButton(caption);
        into->addWidget(button);
        return button;
    };
    optEnglish = option(QStringLiteral("English"), languages);
    optSpanish = option(QStringLiteral("Spanish"), languages);
    optFrench = option(QStringLiteral("French"), languages);
    optGerman = option(QStringLiteral("German"), languages);
    optItalian = option(QStringLiteral("Italian"), languages);
    optDutch = option(QStringLiteral("Dutch"), languages);

    Frame2 = new QGroupBox(QStringLiteral("Data Categories"), w);
    auto *shapes = new QVBoxLayout(Frame2);
    optList = option(QStringLiteral("Alphabetical list"), shapes);
    optTree = option(QStringLiteral("Tree"), shapes);

    Frame1 = new QGroupBox(QStringLiteral("HTML Generation"), w);
    auto *html = new QVBoxLayout(Frame1);
    chkCSBrowser = new QCheckBox(QStringLiteral("Include conceptual structures while browsing"));
    html->addWidget(chkCSBrowser);

    cmdOK = new QPushButton(QStringLiteral("OK"), w);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), w);
    setCancelButton(cmdCancel);
    QObject::connect(cmdOK, &QPushButton::clicked, w, ui::command(w, [this] { cmdOK_Click(); }));
    QObject::connect(cmdCancel, &QPushButton::clicked, w, ui::command(w, [this] { cmdCancel_Click(); }));

    auto *right = new QVBoxLayout;
    right->addWidget(Frame2);
    right->addWidget(Frame1);
    right->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(fraLanguage);
    top->addLayout(right);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *all = new QVBoxLayout(w);
    all->addLayout(top);
    all->addLayout(buttons);
}

void frmTBOptions::preset(const TermbaseInfoRecord &info)
{
    if (info.DCLang == QLatin1String("en"))
        optEnglish->setChecked(true);
    else if (info.DCLang == QLatin1String("es"))
        optSpanish->setChecked(true);
    chkCSBrowser->setChecked(info.CSBrowser);
    (info.DCList == QLatin1String("list") ? optList : optTree)->setChecked(true);
}

void frmTBOptions::cmdOK_Click() { hide(); }

void frmTBOptions::cmdCancel_Click()
{
    preset(TermbaseInfo);
    hide();
}

