#pragma once
// A concept page written while the windows go on working, for a window that shows the
// page once it is there. The small facts are read at once; the descendants, most of a
// top concept's page, are read a few thousand at each turn of the event loop; the page's
// text is made and saved on a thread of its own. A concept with few descendants has its
// page written before write returns.
//
//   writer.write(conceptId, folder, [](std::exception_ptr failed) { ... show the page ... });
//
// A write asked for while another is under way drops that one: its file may still be
// saved, but its `done` is never called.

#include <QObject>
#include <QString>
#include <QThread>
#include <exception>
#include <functional>
#include <memory>
#include <vector>


class ConceptPageWriter : public QObject {
public:
    using Done = std::function<void(std::exception_ptr failed)>;

    ConceptPageWriter() = default;
    ~ConceptPageWriter() override;  // drops the write under way and waits for its save

    // Writes the page of the concept (every part of the table) into the folder. Returns
    // true when it is written already (`done` is then not called; a failure is thrown as
    // WriteConceptPage throws it); otherwise `done` runs on this thread once it is saved
    // or has failed.
    bool write(const QString &conceptId, const QString &folder, Done done);
    // Drops the write under way, if any.
    void drop();
    bool writing() const { return m_writing != nullptr; }

private:
    struct Writing;
    void readSome(const std::shared_ptr<Writing> &writing);
    void save(const std::shared_ptr<Writing> &writing);
    void finish(const std::shared_ptr<Writing> &writing, std::exception_ptr failed);

    std::shared_ptr<Writing> m_writing;
    std::vector<std::unique_ptr<QThread>> m_savers;  // threads not yet ended, the dropped too
};
