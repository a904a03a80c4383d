#pragma once
// A text put on the clipboard by this program, which notes what another
// application asks of it: only the clipboard's owner learns whether a paste
// took the text, or went wrong.
#include <QString>

#include <memory>

class QClipboard;

class ClipboardOffer
{
public:
    // What the target has made of the paste key so far.
    enum class Paste {
        Pending,   // nothing yet: the target is still working, or takes no paste
        Fetched,   // the text was fetched as text
        WentWrong, // it asked for a format the text does not offer (an image the
                   // clipboard held before) and pasted nothing
    };

    // Puts text on the clipboard; the program stays its owner.
    ClipboardOffer(QClipboard &clipboard, const QString &text);

    // Requests from now on answer the paste key, which the caller sends next.
    // Before, the program's own listeners look at the new clipboard content.
    void expectPaste();

    // Wait up to maxMs, handling every event but user input (the clipboard's
    // requests among them): until the text is fetched; until it is fetched
    // or the paste went wrong. Both say what the target made of the paste.
    Paste waitForFetch(int maxMs) const;
    Paste waitWhileBusy(int maxMs) const;

    struct State;

private:
    Paste wait(int maxMs, bool untilWentWrong) const;

    std::shared_ptr<State> m_state;
};
