// Times the main window's concept list on one synthetic ontology (see make_ontology.cpp):
// opening the file up to the first concept shown with its panes and painted; with every
// pane switched on (descendants, ancestors, inherited slots), an identifier typed key by
// key with real key events, the add dialog and the IS-A, domain and range pickers opened,
// the add dialog's parent list walked by End and by type-ahead,
// and adding, renaming and deleting a leaf and adding an IS-A link, each until the list
// and the panes show the change. Prints "<operation> <concepts> <median> <unit>" lines,
// and the memory, which must not follow the number of concepts listed.
//
//   lx_concept_list_bench <file.ont>

#include "BenchOntology.h"
#include "Figures.h"
#include "editor/frmEditRel.h"
#include "editor/frmNames.h"
#include "editor/frmNewConcept.h"
#include "editor/frmOntoEdit.h"
#include "ontology/ConceptList.h"
#include "ontology/Global.h"
#include "ontology/OntologyFile.h"
#include "ui/App.h"
#include "ui/DataList.h"
#include "ui/Forms.h"
#include "ui/ModalRunner.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using bench::figure;
using bench::median;
using bench::ms;
using bench::peakMegabytes;
using bench::residentMegabytes;

// Plays the user's part in the modal dialogs the commands show: the next script runs
// inside the modal show and must hide or unload the form.
class BenchModals : public ui::ModalRunner {
public:
    std::function<void(ui::Form &)> next;
    void run(ui::Form &form) override
    {
        auto script = std::move(next);
        next = nullptr;
        if (script)
            script(form);
        else
            form.hide();
    }
};

// Types the identifier into the search box key by key, as the user does, each key
// handled before the next; the times of the keys until the list and panes are painted.
std::vector<double> typeIdentifier(frmOntoEdit &main, const QString &identifier)
{
    main.txtCptSearch->setFocus();
    main.txtCptSearch->clear();
    QApplication::processEvents();
    std::vector<double> keys;
    for (const QChar c : identifier) {
        QElapsedTimer t;
        t.start();
        QTest::keyClick(main.txtCptSearch, c.toLatin1());
        QApplication::processEvents();
        main.window()->repaint();
        keys.push_back(ms(t));
    }
    return keys;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <file.ont> [<file.ont.targets>]\n", argv[0]);
        return 2;
    }
    const QString file = QFileInfo(QString::fromLocal8Bit(argv[1])).absoluteFilePath();
    const QHash<QString, QString> target =
        bench::readTargets(argc > 2 ? QString::fromLocal8Bit(argv[2]) : file + QStringLiteral(".targets"));
    BenchModals modals;
    ui::setModalRunner(&modals);
    ui::setAppPath(QFileInfo(file).absolutePath());

    bench::ensureProperties(file);

    auto main = std::make_shared<frmOntoEdit>();
    main->load();
    main->show();
    QApplication::processEvents();

    // Open to first paint, cold the first time, then the median of a few more.
    std::vector<double> opens;
    for (int run = 0; run < 5; ++run) {
        main->mnuFileClose_Click();
        QString path = file;
        QElapsedTimer t;
        t.start();
        OntologyPath = path;
        OntologyFolder = QFileInfo(path).absolutePath() + QLatin1Char('/');
        main->OpenOntology(path);
        main->window()->repaint();
        QApplication::processEvents();
        opens.push_back(ms(t));
    }
    bench::size() = QString::number(main->TotalCount);
    if (!main->RSListConcepts) {
        std::fprintf(stderr, "%s could not be opened\n", qPrintable(file));
        return 1;
    }
    figure("open-to-first-concept-shown-cold", opens.front(), "ms");
    figure("open-to-first-concept-shown", median({opens.begin() + 1, opens.end()}), "ms");

    // A search typed key by key, each key one change of the box, as the user types it.
    const QStringList words{"C-5", "C-98765", "C-123456", "C-77", "C-4040", "C-999999", "NOPE"};
    std::vector<double> keys;
    for (const QString &word : words) {
        main->txtCptSearch->clear();
        for (qsizetype n = 1; n <= word.size(); ++n) {
            QElapsedTimer t;
            t.start();
            main->txtCptSearch->setText(word.left(n));
            main->dblConcepts->repaint();
            keys.push_back(ms(t));
        }
    }
    figure("search-keystroke", median(keys), "ms");
    figure("search-keystroke-slowest", *std::max_element(keys.begin(), keys.end()), "ms");

    // From here on every pane is on, as the slowest case of a user's window.
    main->chkActivDesc->setChecked(true);
    main->chkActiveAnc->setChecked(true);
    main->optCumulative->setChecked(true);
    QApplication::processEvents();

    const QString eight = target.value(QStringLiteral("eight-characters"), QStringLiteral("C-100000"));
    const std::vector<double> typed = typeIdentifier(*main, eight);
    figure("type-8-characters-key", median(typed), "ms");
    figure("type-8-characters-key-slowest", *std::max_element(typed.begin(), typed.end()), "ms");
    figure("type-8-characters-last-key-to-panes", typed.back(), "ms");
    if (main->CurrentConcept != eight)
        std::fprintf(stderr, "typing %s showed %s\n", qPrintable(eight), qPrintable(main->CurrentConcept));

    const QString forty = target.value(QStringLiteral("about-40000-descendants"));
    if (!forty.isEmpty()) {
        std::fprintf(stderr, "%s has %lld descendants\n", qPrintable(forty), qlonglong(GetDescendants(forty).size()));
        const std::vector<double> keys = typeIdentifier(*main, forty);
        figure("type-to-40000-descendants-key-slowest", *std::max_element(keys.begin(), keys.end()), "ms");
        figure("type-to-40000-descendants-last-key-to-panes", keys.back(), "ms");
        // A key that keeps the concept: the same identifier typed again over itself.
        QElapsedTimer again;
        again.start();
        QTest::keyClick(main->txtCptSearch, Qt::Key_End);
        QApplication::processEvents();
        main->window()->repaint();
        figure("key-keeping-the-concept", ms(again), "ms");
    }

    // The pickers: each shown modally, timed until it is up with its list, then cancelled.
    const double beforePickers = residentMegabytes();
    const auto timePicker = [&](const char *operation, const std::function<void()> &command) {
        QElapsedTimer t;
        t.start();
        double shown = 0;
        modals.next = [&](ui::Form &form) {
            form.window()->repaint();
            shown = ms(t);
            form.hide();
        };
        command();
        figure(operation, shown, "ms");
    };
    timePicker("isa-picker-open", [&] { main->mnuISAAdd_Click(); });
    timePicker("domain-picker-open", [&] { main->mnuDomainAdd_Click(); });
    timePicker("range-picker-open", [&] { main->mnuRangeAdd_Click(); });

    // The add-concept dialog lists the parents of the type.
    QElapsedTimer dialogTimer;
    dialogTimer.start();
    main->mnuConceptAdd_Click();
    const auto dialog = ui::forms().first<frmNewConcept>();
    dialog->window()->repaint();
    figure("add-dialog-open", ms(dialogTimer), "ms");
    figure("memory-growth-with-pickers-and-add-dialog", residentMegabytes() - beforePickers, "MB");

    // The parent list walked by the keys, each key until the list is painted: End to the
    // last parent, then a prefix typed (each letter within the type-ahead interval).
    {
        ui::DataList *parents = dialog->dblParents;
        parents->setFocus();
        parents->setCurrentRow(0);
        QApplication::processEvents();
        QElapsedTimer t;
        t.start();
        QTest::keyClick(parents, Qt::Key_End);
        parents->repaint();
        figure("parent-list-end", ms(t), "ms");
        if (parents->currentRow() != parents->rowCount() - 1)
            std::fprintf(stderr, "End reached row %d of %d\n", parents->currentRow(), parents->rowCount());
        std::vector<double> jumps;
        for (const QString &prefix : {QStringLiteral("c-5"), QStringLiteral("c-98765"), QStringLiteral("c-1234")}) {
            QTest::qWait(QApplication::keyboardInputInterval() + 10);  // a pause: a new prefix
            for (const QChar c : prefix) {
                t.restart();
                QTest::keyClick(parents, c.toLatin1());
                parents->repaint();
                jumps.push_back(ms(t));
            }
            if (!parents->text().startsWith(prefix, Qt::CaseInsensitive))
                std::fprintf(stderr, "typing %s reached %s\n", qPrintable(prefix), qPrintable(parents->text()));
        }
        figure("parent-list-type-ahead-key", median(jumps), "ms");
        figure("parent-list-type-ahead-key-slowest", *std::max_element(jumps.begin(), jumps.end()), "ms");
    }
    std::vector<double> adds;
    for (int i = 0; i < 5; ++i) {
        dialog->dblParents->setCurrentRow(100 + i);  // under a concept of the file: each new one a leaf
        dialog->txtConcept->setText(QStringLiteral("BENCH-NEW-%1").arg(i));
        QElapsedTimer t;
        t.start();
        dialog->cmdAdd->click();
        QApplication::processEvents();
        main->window()->repaint();
        adds.push_back(ms(t));
    }
    figure("add-concept", median(adds), "ms");
    dialog->unload();

    // Renaming, linking and deleting the leaves just added, each one current in turn.
    std::vector<double> renames, links, deletes;
    for (int i = 0; i < 5; ++i) {
        main->GoToConcept(QStringLiteral("BENCH-NEW-%1").arg(i));
        QElapsedTimer t;
        t.start();
        modals.next = [i](ui::Form &form) {
            auto &names = dynamic_cast<frmNames &>(form);
            names.txtConcept->setText(QStringLiteral("BENCH-RENAMED-%1").arg(i));
            names.cmdOK->click();
        };
        main->mnuConceptEdit_Click();
        QApplication::processEvents();
        main->window()->repaint();
        renames.push_back(ms(t));
        // The rebuilt list shows its first concept; the renamed one is gone to again.
        main->GoToConcept(QStringLiteral("BENCH-RENAMED-%1").arg(i));

        t.restart();
        modals.next = [i](ui::Form &form) {
            auto &picker = dynamic_cast<frmEditRel &>(form);
            picker.dblConcepts->setCurrentRow(10 + i);
            picker.cmdAdd->click();
        };
        main->mnuISAAdd_Click();
        QApplication::processEvents();
        main->window()->repaint();
        links.push_back(ms(t));
        main->GoToConcept(QStringLiteral("BENCH-RENAMED-%1").arg(i));

        t.restart();
        main->mnuConceptDelete_Click();  // the boxes answer Yes
        QApplication::processEvents();
        main->window()->repaint();
        deletes.push_back(ms(t));
        if (ConceptExists(QStringLiteral("BENCH-RENAMED-%1").arg(i)) || ConceptExists(QStringLiteral("BENCH-NEW-%1").arg(i)))
            std::fprintf(stderr, "renaming, linking or deleting BENCH-NEW-%d did not happen\n", i);
    }
    figure("rename-leaf", median(renames), "ms");
    figure("add-isa-link", median(links), "ms");
    figure("delete-leaf", median(deletes), "ms");

    figure("peak-memory-after-open-and-search", peakMegabytes(), "MB");
    // Every row drawn once, top to bottom: the list holds pages, not rows.
    QElapsedTimer scroll;
    scroll.start();
    qsizetype chars = 0;
    for (int row = 0; row < main->RSListConcepts->rowCount(); ++row)
        chars += main->RSListConcepts->text(row).size();
    figure("every-row-read", ms(scroll), "ms");
    figure("peak-memory-after-every-row", peakMegabytes(), "MB");
    main->unload();
    return chars > 0 ? 0 : 1;
}
