#pragma once
// The Macintosh Roman encoding of the import files.
#include <QByteArray>
#include <QString>

// Every byte has a character in MacRoman, so decoding never fails.
QString fromMacRoman(const QByteArray &bytes);
// Characters that MacRoman lacks become '?'.
QByteArray toMacRoman(const QString &text);
