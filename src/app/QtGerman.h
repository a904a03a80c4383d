#pragma once
// Qt's own dialogs and standard buttons in German, like the rest of the program.
class QCoreApplication;

// Loads Qt's German translation into application; false when it is not installed.
bool installQtGerman(QCoreApplication &application);
