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
    switch (route) {
    case TransferRoute::Nothing:
        return 0;
    case TransferRoute::InsertMSWD:
        setSelectionMSWD({sentence});
        break;
    case TransferRoute::InsertOther:
        setSelectionOther({processName, sentence});
        break;
    case TransferRoute::PasteGeneric:
    case TransferRoute::PasteMSWD: {
        QClipboard *clipboard = QGuiApplication::clipboard();
        if (!clipboard)
            break;
        // The program stays the clipboard's owner and serves the text to the
        // target while the paste script runs and afterwards.
        clipboard->setText(sentence);
        if (route == TransferRoute::PasteMSWD)
            setSelectionWithPasteMSWD({processName});
        else
            setSelectionWithPaste({processName});
        break;
    }
    }
    return 0;
}
