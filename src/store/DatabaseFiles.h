#pragma once
// What a file is to the store: whether it holds a sentence database, and
// whether a newly built database may take its place. The program's opening
// and importer and the build tool all ask here, so that they agree.
#include <QString>
#include <QStringList>

class Database;

namespace DatabaseFiles {

// Connects db to path when the file holds both tables of a sentence database
// with every column the program reads. A file that another program holds
// locked cannot be looked into and is taken as it is.
bool openAsSentenceDatabase(Database &db, const QString &path);

// Why a database built from the files inputs must not replace path, as one
// German line naming path as given; "" when it may. Refused are a path that is
// one of the inputs (by device and inode, so that another spelling or a hard
// link is caught), a path whose replacing would delete an input (its journal
// names), anything there that is no regular file, and an existing file that
// is no sentence database. The check writes nothing and opens nothing that is
// no regular file (a pipe would block).
QString refusalToReplace(const QString &path, const QStringList &inputs);

// A new, empty file with a name of its own in the folder of file, for the
// database that is to replace file; "" when none can be made there, and
// failure then says why, as one German line naming the folder.
QString createTemporaryBeside(const QString &file, QString &failure);

// The files SQLite may keep beside a database.
QStringList journalFiles(const QString &path);

} // namespace DatabaseFiles
