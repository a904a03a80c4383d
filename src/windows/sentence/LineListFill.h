#pragma once
// Filling the main window's lists and pop-ups from line lists.
#include "framework/EventLoop.h"
#include "framework/Strings.h"

#include <QString>

// Deletes the rows of control, adds every non-empty line of source and
// selects the first row, which moves a cascade on.
template <class Control>
void initFromLines(Control *control, const QString &source)
{
    control->DeleteAllRows();
    for (const QString &line : Fields(source, EndOfLine())) {
        if (!line.isEmpty())
            control->AddRow(line);
        yieldToEventLoop();
    }
    control->setListIndex(0);
}
