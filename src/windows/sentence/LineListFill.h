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
    const int n = CountFields(source, EndOfLine());
    for (int i = 1; i <= n; ++i) {
        const QString line = NthField(source, EndOfLine(), i);
        if (!line.isEmpty())
            control->AddRow(line);
        yieldToEventLoop();
    }
    control->setListIndex(0);
}
