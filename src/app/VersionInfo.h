#pragma once
// One program version.
#include <QString>

class VersionInfo
{
public:
    // The running program's own version fields.
    VersionInfo();
    // A version read from text; parts that are no number give 0.
    VersionInfo(const QString &longVersion, const QString &major, const QString &minor, const QString &bugFix,
                const QString &shortVersion);

    QString pShortVersion;
    QString pLongVersion;
    int pMajorVersion = 0;
    int pMinorVersion = 0;
    int pNonReleaseVersion = 0;
    int pBugFixVersion = 0;
};
