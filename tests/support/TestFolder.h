#pragma once
// A temporary program folder for one test: the built res.dat beside it, removed at the end.

#include <QString>
#include <QTemporaryDir>

class TestFolder {
public:
    TestFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QString resDat() const { return file(QStringLiteral("res.dat")); }
    // Writes bytes to a file in the folder and returns its path.
    QString write(const QString &name, const QByteArray &bytes) const;

private:
    QTemporaryDir m_dir;
};

QByteArray fileBytes(const QString &path);
