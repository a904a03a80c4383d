// The update check.
#include "app/App.h"

void App::Search4Updates() {}
