#pragma once
// Where the program finds its files.
#include <QString>

// The folder of the executable; the sentence database, scripts/ and pictures/ lie there.
QString programFolder();
// Tests run the program's code from their own executables and point it elsewhere.
void setProgramFolder(const QString &folder);
// The user's preferences folder: $XDG_CONFIG_HOME, else ~/.config; "" when there is none.
QString preferencesFolder();
// A path given relative to the program's folder (an absolute path stays as it is).
QString programFolderItem(const QString &relativePath);
