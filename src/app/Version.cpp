#include "Version.h"

ProgramVersion programVersion() { return {LX_VERSION_MAJOR, LX_VERSION_MINOR, LX_VERSION_REVISION}; }

QString versionText()
{
    const ProgramVersion v = programVersion();
    return QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
}
