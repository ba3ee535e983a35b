#pragma once
// The termbase editor with a new termbase "Kin" open, and the means to look into and write
// files of its back and publish folders.

#include "ElementsFixture.h"

#include <QFile>

inline QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class BackFoldersTest : public ElementsTest {
protected:
    QString back() const { return TermbaseFolder + "Kin-back/"; }
    QString publish() const { return TermbaseFolder + "Kin-publish/"; }
};
