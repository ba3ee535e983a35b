#include "ConceptPageWrite.h"

#include "HTMLStuff.h"
#include "PageFileNames.h"
#include "PageText.h"
#include "ontology/Hierarchy.h"
#include "ontology/StringHelpers.h"

#include <QThread>
#include <QTimer>
#include <atomic>

namespace {

// Descendants read at one turn of the event loop: some 20 ms of reading. A conceptId with
// no more than this has its page written at once, which takes well under a tenth of a
// second.
constexpr qsizetype DescendantsAtATime = 4000;

}  // namespace

struct ConceptPageWriter::Writing {
    QString conceptId, path;
    ConceptPageFacts facts;
    HierarchyWalk walk;
    QStringList descendants;
    Done done;
    std::atomic<bool> dropped{false};

    Writing(const QString &c, const QString &p) : conceptId(c), path(p), walk(c, HierarchyWalk::Direction::Down) {}
};

ConceptPageWriter::~ConceptPageWriter()
{
    drop();
    for (const auto &saver : m_savers)
        saver->wait();
}

void ConceptPageWriter::drop()
{
    if (m_writing) {
        m_writing->dropped = true;
        m_writing.reset();
    }
}

bool ConceptPageWriter::write(const QString &conceptId, const QString &folder, Done done)
{
    drop();
    auto writing = std::make_shared<Writing>(conceptId, pagePath(folder, PageFileName(conceptId)));
    // The descendants come from the walk; everything else is read now.
    writing->facts = ReadConceptPageFacts(conceptId, true, false, true, true);
    if (writing->facts.structures) {
        writing->descendants = writing->walk.next(DescendantsAtATime);
        if (!writing->walk.done()) {
            writing->done = std::move(done);
            m_writing = writing;
            QTimer::singleShot(0, this, [this, writing] { readSome(writing); });
            return false;
        }
    }
    SortStrings(writing->descendants);
    writing->facts.table.descendants = std::move(writing->descendants);
    savePage(writing->path, ConceptPageText(conceptId, writing->facts));
    return true;
}

void ConceptPageWriter::readSome(const std::shared_ptr<Writing> &writing)
{
    if (writing->dropped)
        return;
    try {
        writing->descendants += writing->walk.next(DescendantsAtATime);
    } catch (...) {
        finish(writing, std::current_exception());
        return;
    }
    if (writing->walk.done())
        save(writing);
    else
        QTimer::singleShot(0, this, [this, writing] { readSome(writing); });
}

void ConceptPageWriter::save(const std::shared_ptr<Writing> &writing)
{
    std::erase_if(m_savers, [](const std::unique_ptr<QThread> &t) { return t->isFinished(); });
    std::unique_ptr<QThread> saver(QThread::create([this, writing] {
        std::exception_ptr failed;
        try {
            SortStrings(writing->descendants);
            writing->facts.table.descendants = std::move(writing->descendants);
            savePage(writing->path, ConceptPageText(writing->conceptId, writing->facts));
        } catch (...) {
            failed = std::current_exception();
        }
        // The writer waits for this thread before it goes, so it is there to be told.
        QMetaObject::invokeMethod(this, [this, writing, failed] { finish(writing, failed); }, Qt::QueuedConnection);
    }));
    saver->start();
    m_savers.push_back(std::move(saver));
}

void ConceptPageWriter::finish(const std::shared_ptr<Writing> &writing, std::exception_ptr failed)
{
    if (writing->dropped || writing != m_writing)
        return;
    m_writing.reset();
    writing->done(failed);
}
