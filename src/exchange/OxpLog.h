#pragma once
// The import's log. A file of millions of refused lines makes a log of millions of lines,
// so the log is never held whole: every text goes to the log file the moment it is
// written, and the window is handed the fixed texts (instructions, summaries, headers)
// and, of each run of line messages, the first ones and a count of the rest.
//
// Messages that are found in several passes over the file, yet must be read in the
// file's order, are gathered in OxpMessageRuns, each in the order of its own pass, and
// merged by line number into the log.

#include <QByteArray>
#include <QDataStream>
#include <QString>
#include <QTemporaryFile>
#include <utility>
#include <memory>
#include <vector>

class OxpLog {
public:
    static constexpr qint64 shownLinesPerRun = 1000;

    // The log file is a temporary file that lives as long as the log.
    OxpLog();

    // A text of the dialog's own (it may hold several lines); always shown.
    void text(const QString &text);
    // One message about one line of the file, ended by CR LF.
    void line(const QString &text);
    // What the window has not been given yet; a run that has gone past the lines shown
    // ends with the count of those not shown.
    QString takeShown();
    void clear();

    QString fileName() const { return m_file.fileName(); }
    // The whole log, as one print line (the text and a final CR LF).
    void saveAs(const QString &path);

private:
    void write(const QString &text);
    void endRun();

    QTemporaryFile m_file;
    QString m_shown;
    qint64 m_runLines = 0;
    qint64 m_notShown = 0;
};

// Messages of one pass, each with its file line number, in ascending order; kept in a
// temporary file once they pass a few thousand.
class OxpMessageRun {
public:
    void add(qint64 line, const QString &text);

    // Writes the messages of the runs into the log in the order of their line numbers; at
    // equal numbers the earlier run comes first. The runs are emptied.
    static void merge(const std::vector<OxpMessageRun *> &runs, OxpLog &log);

private:
    struct Message {
        qint64 line;
        QString text;
    };
    void spill();
    bool next(Message &out);  // reading back, in order

    std::vector<Message> m_pending;
    std::unique_ptr<QTemporaryFile> m_file;
    std::unique_ptr<QDataStream> m_stream;
    qint64 m_spilled = 0;
    size_t m_read = 0;
};
