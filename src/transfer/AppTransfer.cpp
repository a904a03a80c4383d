// Transfer to the target application.
#include "app/App.h"
#include "transfer/ScriptOperations.h"
#include "transfer/TransferRoute.h"

#include <QClipboard>
#include <QGuiApplication>

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
    bool delivered = true;
    switch (route) {
    case TransferRoute::Nothing:
        return 0;
    case TransferRoute::InsertMSWD:
        delivered = setSelectionMSWD({sentence});
        break;
    case TransferRoute::InsertOther:
        delivered = setSelectionOther({processName, sentence});
        break;
    case TransferRoute::PasteGeneric:
    case TransferRoute::PasteMSWD:
        if (!clipboard)
            break;
        // The program stays the clipboard's owner and serves the text to the
        // target while the paste script runs and afterwards.
        clipboard->setText(sentence);
        delivered = route == TransferRoute::PasteMSWD ? setSelectionWithPasteMSWD({processName})
                                                      : setSelectionWithPaste({processName});
        break;
    }
    if (!delivered) {
        // The teacher must not believe the sentence is in the report: it waits
        // on the clipboard to be pasted by hand.
        if (clipboard && !usesClipboard(route))
            clipboard->setText(sentence);
        ShowOKDialog(QStringLiteral("Text nicht eingefügt"),
                     QStringLiteral("Von „%1“ ist kein Fenster geöffnet, in das der Text eingefügt werden kann. "
                                    "Der Text liegt in der Zwischenablage; Sie können ihn von Hand einfügen.")
                         .arg(processName),
                     QString());
    }
    return 0;
}
