#pragma once
// Where a write really lands, and new files made beside an existing one, for
// everything that replaces a file by renaming a new one over it; and reading
// a file that must be an ordinary one.
#include <QByteArray>
#include <QString>

#include <sys/types.h>

// The file that writing to path really changes: path itself, or the file its
// chain of symbolic links ends at (which need not exist yet).
QString writtenFile(const QString &path);

// Creates a new file, open for writing with the access rights mode (less the
// umask), whose name is that of file followed by six random letters and ".neu"
// and is used by no other file; createdPath receives its name. The open
// descriptor, or -1 with errno set when the folder takes no new file.
int createFileBeside(const QString &file, mode_t mode, QString &createdPath);
// Whether name (without folder) is one that createFileBeside gives beside file.
bool isCreatedBeside(const QString &file, const QString &name);

// Replaces the file that writing to path changes (see writtenFile) by one
// that holds bytes: a new file with the old one's access rights (0666 less
// the umask for a new one) is written beside it, flushed to the disk and
// renamed over it, so that a write that fails leaves the old file as it was
// and nothing beside it. A named pipe, a device or the like at path is never
// replaced: kNotARegularFile then. 0, or the system's error number of the step that failed.
int replaceFileWith(const QString &path, const QByteArray &bytes);

// Reads all of path (through its links) into bytes when it is a regular file.
// Anything else is never opened in a way that could wait (a named pipe without
// a writer) or never end (a device): false then, with notRegular (when given)
// set. False also when the file cannot be read.
bool readRegularFile(const QString &path, QByteArray &bytes, bool *notRegular = nullptr);
