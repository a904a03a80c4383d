#pragma once
// What a failed file operation means to the user, in one German sentence.
#include <QString>

// Not a system error number: a named pipe, a device or the like stands where
// a file is to be written.
constexpr int kNotARegularFile = -1;

// The reason for the system error number error (errno), or kNotARegularFile,
// as a whole sentence.
QString fileErrorReason(int error);
