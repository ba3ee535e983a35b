#include "exchange/OxpFile.h"
#include "db/Error.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

QStringList readLines(const QString &path, QList<qint64> *tooLong = nullptr)
{
    OxpFileReader reader(path);
    QStringList out;
    while (reader.next()) {
        EXPECT_EQ(reader.lineNumber(), out.size() + 1);
        if (reader.tooLong() && tooLong)
            *tooLong << reader.lineNumber();
        out << reader.text();
    }
    return out;
}

}  // namespace

TEST(OxpFile, LinesEndAtCrLfCrOrLf)
{
    TestFolder dir;
    struct Case {
        const char *what;
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"empty", "", {}},
        {"CR LF", "(a)\r\n(b)\r\n", {"(a)", "(b)"}},
        {"no end after the last line", "(a)\r\n(b)", {"(a)", "(b)"}},
        {"lone CR", "(a)\r(b)\r", {"(a)", "(b)"}},
        {"lone LF", "(a)\n(b)", {"(a)", "(b)"}},
        {"mixed, blank lines kept", "(a)\r\n\r\n(b)\n\r(c)", {"(a)", "", "(b)", "", "(c)"}},
        {"byte-order mark skipped", "\xEF\xBB\xBF(a)\r\n", {"(a)"}},
        {"UTF-8", "(caf\xC3\xA9)\r\n", {QString::fromUtf8("(caf\xC3\xA9)")}},
        {"Windows-1252", "(caf\xE9 \x93x\x94)\r\n",
         {QString::fromUtf8("(caf\xC3\xA9 \xE2\x80\x9Cx\xE2\x80\x9D)")}},
        {"binary bytes", QByteArray("(\x00\x01\xFF)\r\n", 7), {QString(QChar(0)) + QChar(1) + QChar(0xFF)}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = dir.write("lines.oxp", c.bytes);
        QStringList expected = c.lines;
        if (QByteArray(c.what) == "binary bytes")
            expected = {QStringLiteral("(") + expected.first() + QStringLiteral(")")};
        EXPECT_EQ(readLines(path), expected);
        EXPECT_EQ(ScanOxpFile(path).lines, expected.size());
    }
}

TEST(OxpFile, LinesAcrossChunkBoundariesAndOverlongLines)
{
    TestFolder dir;
    // A CR LF pair split between two reads, and a line far longer than any slot.
    QByteArray bytes(1 << 20, 'x');
    bytes[0] = '(';
    bytes[(1 << 20) - 1] = '\r';
    bytes += "\n(b)\r\n";
    bytes += QByteArray(10 << 20, 'y') + "\r\n(c)";
    const QString path = dir.write("big.oxp", bytes);
    QList<qint64> tooLong;
    const QStringList lines = readLines(path, &tooLong);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines.at(0).size(), (1 << 20) - 1);
    EXPECT_EQ(lines.at(1), "(b)");
    EXPECT_EQ(lines.at(2), "") << "the overlong line is passed over";
    EXPECT_EQ(lines.at(3), "(c)");
    EXPECT_EQ(tooLong, QList<qint64>{3});
    EXPECT_EQ(ScanOxpFile(path).lines, 4);
}

TEST(OxpFile, FingerprintFollowsTheBytes)
{
    TestFolder dir;
    const QString path = dir.write("f.oxp", "(a)\r\n");
    const QByteArray first = ScanOxpFile(path).fingerprint;
    OxpFileReader reader(path);
    while (reader.next()) {
    }
    EXPECT_EQ(reader.fingerprint(), first);
    dir.write("f.oxp", "(b)\r\n");
    EXPECT_NE(ScanOxpFile(path).fingerprint, first);
}

TEST(OxpFile, WriterPutsUtf8AndCrLfAndReplacesWholeOrNotAtAll)
{
    TestFolder dir;
    const QString path = dir.file("out.oxp");
    {
        OxpFileWriter w(path);
        w.writeLine(QString::fromUtf8("(caf\xC3\xA9)"));
        w.writeLine("(b)");
        w.commit();
    }
    EXPECT_EQ(fileBytes(path), QByteArray("(caf\xC3\xA9)\r\n(b)\r\n"));
    {
        OxpFileWriter w(path);
        w.writeLine("(half)");
        // Never committed: the old file stays as it was.
    }
    EXPECT_EQ(fileBytes(path), QByteArray("(caf\xC3\xA9)\r\n(b)\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList({"*.oxp*"}, QDir::Files), QStringList{"out.oxp"}) << "no temporary file left";
    try {
        OxpFileWriter w(dir.file("missing/out.oxp"));
        FAIL() << "a folder that does not exist cannot take the file";
    } catch (const db::DbError &e) {
        EXPECT_EQ(e.number(), db::err::PathFileAccess);
        EXPECT_TRUE(e.description().contains("missing/out.oxp"));
    }
}
