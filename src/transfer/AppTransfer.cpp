// Transfer to the target application.
#include "app/App.h"
#include "framework/ClipboardOffer.h"
#include "transfer/ScriptOperations.h"
#include "transfer/TransferRoute.h"

#include <QClipboard>
#include <QGuiApplication>

#include <functional>

namespace {
// How long a target has to fetch the text after the paste key, and how long
// it has besides while it is busy or after a second paste key. A word
// processor that still had the former clipboard content (an image) in mind
// asks for that, pastes nothing and is busy for seconds before it takes a
// second paste. The inserting scripts wait as long.
constexpr int kShortWaitMs = 1500;
constexpr int kLongWaitMs = 6000;

// Offers the sentence on the clipboard and runs paste; when the target's paste
// went wrong, the paste key goes once more.
Delivery pasteFromClipboard(QClipboard &clipboard, const QString &sentence, const std::function<bool()> &paste)
{
    // The program stays the clipboard's owner and serves the text to the
    // target while the paste script runs and afterwards.
    ClipboardOffer offer(clipboard, sentence);
    offer.expectPaste();
    if (!paste())
        return Delivery::NoWindow;
    ClipboardOffer::Paste done = offer.waitForFetch(kShortWaitMs);
    if (done == ClipboardOffer::Paste::Pending) {
        // A target that asked for nothing is still at work: a second paste
        // key would put the sentence in twice.
        done = offer.waitWhileBusy(kLongWaitMs);
        // It may still fetch the text after its own mistake.
        if (done == ClipboardOffer::Paste::WentWrong)
            done = offer.waitForFetch(kShortWaitMs);
    }
    if (done != ClipboardOffer::Paste::WentWrong)
        return done == ClipboardOffer::Paste::Fetched ? Delivery::Delivered : Delivery::NotTaken;
    if (!paste())
        return Delivery::NoWindow;
    return offer.waitForFetch(kLongWaitMs) == ClipboardOffer::Paste::Fetched ? Delivery::Delivered
                                                                              : Delivery::NotTaken;
}
} // namespace

int App::TransferSentence(const QString &sentence)
{
    if (pPrefs->GetTargetProcessName().isEmpty()) {
        ShowOKDialog(QStringLiteral("Bitte Zielanwendung öffnen"),
                     QStringLiteral("Bitte wählen Sie nun das Programm aus, mit welchem Sie Ihr "
                                    "Zeugnisformular erstellen wollen bzw. erstellt haben."),
                     QString());
        // The transfer goes on with whatever target is stored now.
        SelectTargetApp();
    }
    const QString creator = pPrefs->GetTargetProcessCreator();
    const QString processName = pPrefs->GetTargetProcessName();

    const TransferRoute route = chooseTransferRoute(creator, [this] { return pPrefs->GetConnectionType(); });
    QClipboard *clipboard = QGuiApplication::clipboard();
    Delivery delivery = Delivery::Delivered;
    switch (route) {
    case TransferRoute::Nothing:
        return 0;
    case TransferRoute::InsertMSWD:
        delivery = setSelectionMSWD({sentence});
        break;
    case TransferRoute::InsertOther:
        delivery = setSelectionOther({processName, sentence});
        break;
    case TransferRoute::PasteGeneric:
    case TransferRoute::PasteMSWD:
        if (!clipboard)
            break;
        delivery = pasteFromClipboard(*clipboard, sentence, [&] {
            return route == TransferRoute::PasteMSWD ? setSelectionWithPasteMSWD({processName})
                                                     : setSelectionWithPaste({processName});
        });
        break;
    }
    if (delivery == Delivery::Delivered)
        return 0;
    // The teacher must not believe the sentence is in the report: it waits
    // on the clipboard to be pasted by hand.
    if (clipboard)
        clipboard->setText(sentence);
    const QString reason =
        delivery == Delivery::NoWindow
            ? QStringLiteral("Von „%1“ ist kein Fenster geöffnet, in das der Text eingefügt werden kann.")
            : QStringLiteral("„%1“ hat den Text nicht übernommen.");
    ShowOKDialog(QStringLiteral("Text nicht eingefügt"),
                 reason.arg(processName)
                     + QStringLiteral(" Der Text liegt in der Zwischenablage; Sie können ihn von Hand einfügen."),
                 QString());
    return 0;
}
