#pragma once
// Where the program finds its files.
#include <QString>

// The folder of the executable; the sentence database, scripts/ and pictures/ lie there.
QString programFolder();
// Tests run the program's code from their own executables and point it elsewhere.
void setProgramFolder(const QString &folder);
// The user's preferences folder: $XDG_CONFIG_HOME, else ~/.config; "" when there is none.
QString preferencesFolderPath();
// The same folder, made when it is missing (new folders private to the user);
// "" when there is none or it cannot be made, and error (when given) then
// receives the system's error number, 0 when there is none.
QString preferencesFolder(int *error = nullptr);
// A path given relative to the program's folder (an absolute path stays as it is).
QString programFolderItem(const QString &relativePath);
