// The importer of tab-delimited sentence collections.
#include "app/App.h"

bool App::ImportSentencesFromTabDelimFile()
{
    return false;
}

bool App::CreateDB(const QString &)
{
    return false;
}

bool App::InsertDBRec(const QString &, const QString &, const QString &, int, int, int, int, const QString &,
                      const QString &)
{
    return false;
}

bool App::InsertStdDBRec(const QString &, int, int, int, const QString &)
{
    return false;
}
