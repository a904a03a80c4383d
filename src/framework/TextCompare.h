#pragma once
// The one rule by which the program compares texts (keys and values of the
// preferences file, "true", connection types, creator codes and names, "_s",
// level checks): equal when equal ignoring case.
#include <QString>

bool textEquals(const QString &a, const QString &b);
// <0, 0, >0 like strcmp, by the same case-insensitive rule.
int textCompare(const QString &a, const QString &b);
