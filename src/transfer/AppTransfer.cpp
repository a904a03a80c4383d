// Transfer to the target application.
#include "app/App.h"
#include "framework/ClipboardOffer.h"
#include "transfer/ScriptOperations.h"
#include "transfer/TransferRoute.h"

#include <QClipboard>
#include <QGuiApplication>

#include <functional>

namespace {
// How long a target has to fetch the text after the paste key, and after the
// second one. A word processor that still had the former clipboard content
// (an image) in mind asks for that, pastes nothing and is busy for seconds
// before it takes the second paste. The inserting scripts wait as long.
constexpr int kFetchWaitMs[] = {1500, 6000};

// Offers the sentence on the clipboard and runs paste; when the target did
// not fetch it, the paste key goes once more.
Delivery pasteFromClipboard(QClipboard &clipboard, const QString &sentence, const std::function<bool()> &paste)
{
    // The program stays the clipboard's owner and serves the text to the
    // target while the paste script runs and afterwards.
    const ClipboardOffer offer(clipboard, sentence);
    for (const int waitMs : kFetchWaitMs) {
        if (!paste())
            return Delivery::NoWindow;
        if (offer.waitForFetch(waitMs))
            return Delivery::Delivered;
    }
    return Delivery::NotTaken;
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
