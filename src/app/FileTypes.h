#pragma once
// The file types that the open dialogs use as filters, selected by name.
#include <QString>
#include <QStringList>

struct FileType
{
    QString Name;
    QString Extensions; // several separated by ";"
    QString MacType;
    QString MacCreator;
};

namespace FileTypes {
// Registers the six types; runs once at start-up.
void init();
const FileType &pText();
const FileType &pApplicationText();
const FileType &pVMRanSentenceDB();
const FileType &pApplicationBinary();
// The type of that name; nullptr when none is registered.
const FileType *byName(const QString &name);
// Qt name filters for an open dialog showing files of that type.
QStringList nameFilters(const QString &name);
} // namespace FileTypes
