#include "TestFolder.h"

#include <QFile>

TestFolder::TestFolder()
{
    QFile::copy(QStringLiteral(LX_RES_DAT), resDat());
}

QString TestFolder::write(const QString &name, const QByteArray &bytes) const
{
    const QString p = file(name);
    QFile f(p);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
    return p;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}
