#pragma once
// The program's version, as the splash and the About box show it.

#include <QString>

struct ProgramVersion {
    int major;
    int minor;
    int revision;
};

ProgramVersion programVersion();
// major.minor.revision, each in plain decimal.
QString versionText();
