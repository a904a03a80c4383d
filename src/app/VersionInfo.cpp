#include "VersionInfo.h"

#include "framework/Strings.h"

VersionInfo::VersionInfo()
{
    pShortVersion = QStringLiteral(VM_SHORT_VERSION);
    pLongVersion = QStringLiteral(VM_LONG_VERSION);
    pMajorVersion = VM_MAJOR_VERSION;
    pMinorVersion = VM_MINOR_VERSION;
    pBugFixVersion = VM_BUGFIX_VERSION;
    pNonReleaseVersion = VM_NONRELEASE_VERSION;
}

VersionInfo::VersionInfo(const QString &longVersion, const QString &major, const QString &minor,
                         const QString &bugFix, const QString &shortVersion)
{
    pLongVersion = longVersion;
    pMajorVersion = ValInt(major);
    pMinorVersion = ValInt(minor);
    pBugFixVersion = ValInt(bugFix);
    pShortVersion = shortVersion;
}
