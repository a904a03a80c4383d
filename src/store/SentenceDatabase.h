#pragma once
// The type of the one open sentence database; no behaviour of its own.
#include "framework/Database.h"

class SentenceDatabase : public Database
{
};
