#pragma once
// A text put on the clipboard by this program, which notes when another
// application fetches it: only the clipboard's owner learns whether a paste
// took the text.
#include <QString>

#include <memory>

class QClipboard;

class ClipboardOffer
{
public:
    // Puts text on the clipboard; the program stays its owner.
    ClipboardOffer(QClipboard &clipboard, const QString &text);

    // Waits up to maxMs, handling every event but user input (the clipboard's
    // requests among them), until the text has been fetched as text; whether
    // it has been. A request for a format the text does not offer (an image
    // the clipboard held before) is no fetch.
    bool waitForFetch(int maxMs) const;

    struct State;

private:
    std::shared_ptr<State> m_state;
};
