#pragma once
// Which applications may become the target, and the name under which a
// chosen application file is kept.
#include <QString>

// False for the main product ("VMRg"), this program ("VMRb"), "Finder" and
// an application without a name; the stored target stays then.
bool isAcceptableTarget(const QString &creator, const QString &processName);

// The name of the application an item of the target chooser stands for, as
// the paste scripts look for its windows. A desktop entry gives the window
// class it declares (StartupWMClass), else the program its Exec line starts,
// else its Name; any other file (an executable) gives its own file name.
QString targetNameOfApplicationItem(const QString &path);
