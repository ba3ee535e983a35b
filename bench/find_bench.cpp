// Times the termbase editor's Find on a termbase of many entries (the element-tree
// benchmark's termbase): the first match of a concept and of a term from the root, and
// Find Next from it. Prints "<operation> <entries> <median> <unit>" lines.
//
//   lx_find_bench <entries>...

#include "BenchEditor.h"
#include "tbeditor/frmFind.h"
#include "tbeditor/frmTBEDitor.h"
#include "termbase/ElementTree.h"
#include "ui/Forms.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

using bench::ms;

void run(int entries)
{
    QTemporaryDir dir;
    const auto editor = bench::openBenchEditor(dir.path(), entries);
    editor->ShowFindDialog();
    std::shared_ptr<frmFind> find = ui::forms().first<frmFind>();
    QApplication::processEvents();

    // Concepts spread over the whole order; a prefix of each matches a few entries.
    std::vector<QString> sample;
    db::Statement pick(TermbaseDB, QStringLiteral("SELECT Concept FROM TE_CONCEPTS "
                                                  "ORDER BY (elemID * 2654435761) % 1000003 LIMIT 15"));
    while (pick.step())
        sample.push_back(pick.column(0).toString());

    const auto timed = [&] {
        QElapsedTimer t;
        t.start();
        find->cmdFind_Click();
        QApplication::processEvents();
        return ms(t);
    };
    std::vector<double> conceptFirst, conceptNext, termFirst, termNext;
    for (const QString &name : sample) {
        find->optFindC->setChecked(true);
        find->chkFullWord->setChecked(false);
        editor->SelectFoundElement(RootElementID, false);
        find->cbxFind->setEditText(name.left(6));
        conceptFirst.push_back(timed());
        conceptNext.push_back(timed());

        find->optFindT->setChecked(true);
        editor->SelectFoundElement(RootElementID, false);
        find->cbxFind->setEditText(name.toLower().left(6));
        termFirst.push_back(timed());
        termNext.push_back(timed());
    }
    bench::figure("find-concept-first", bench::median(conceptFirst), "ms");
    bench::figure("find-concept-next", bench::median(conceptNext), "ms");
    bench::figure("find-term-first", bench::median(termFirst), "ms");
    bench::figure("find-term-next", bench::median(termNext), "ms");
    find->unload();
    editor->CloseTermbase();
    editor->unload();
    OntologyDB.close();
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    for (int entries : bench::sizesFromArguments(argc, argv, {100000}))
        run(entries);
    return 0;
}
