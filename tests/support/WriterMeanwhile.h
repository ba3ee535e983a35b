#pragma once
// Another instance of the program writing a file while the code under test works on it:
// it takes the file's write lock at once, runs its statements, and commits from a thread
// of its own a moment later, so that the code under test meets the lock and waits.

#include "db/Database.h"

#include <QString>
#include <QStringList>
#include <chrono>
#include <thread>

class WriterMeanwhile {
public:
    WriterMeanwhile(const QString &path, const QStringList &statements) : m_db(db::Database::open(path))
    {
        m_db.execute(QStringLiteral("BEGIN IMMEDIATE"));
        for (const QString &sql : statements)
            m_db.execute(sql);
        m_commit = std::thread([this] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            try {
                m_db.execute(QStringLiteral("COMMIT"));
                m_committed = true;
            } catch (const db::DbError &) {
                // An error must not leave its thread; finish() tells the test.
            }
        });
    }
    ~WriterMeanwhile()
    {
        if (m_commit.joinable())
            m_commit.join();
    }
    // Waits for the commit; whether the other instance's write stands.
    bool finish()
    {
        m_commit.join();
        return m_committed;
    }
    WriterMeanwhile(const WriterMeanwhile &) = delete;
    WriterMeanwhile &operator=(const WriterMeanwhile &) = delete;

private:
    db::Database m_db;
    std::thread m_commit;
    bool m_committed = false;
};
