#pragma once
// What a failed file operation means to the user, in one German sentence.
#include <QString>

// The reason for the system error number error (errno), as a whole sentence.
QString fileErrorReason(int error);
