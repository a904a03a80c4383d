// Requests to the main product Velmora: its category list, the sentences of
// one category, its program part. Each is one event to the signature "VMRg".
#include "app/App.h"

#include "framework/EventLoop.h"
#include "framework/Folders.h"
#include "framework/MessageBox.h"
#include "framework/Strings.h"
#include "transfer/AppleEvent.h"
#include "transfer/MainProductBus.h"

#include <QProcess>

namespace {
const QString kMainProductSignature = QStringLiteral("VMRg");
const QString kGetSentences = QStringLiteral("GetS");
const QString kSwitchProgPart = QStringLiteral("SwiL");
const QString kGetProgPart = QStringLiteral("GtPt");

AppleEvent mainProductEvent(const QString &eventID)
{
    return AppleEvent(kMainProductSignature, eventID, kMainProductSignature);
}
} // namespace

int App::SendSimpleAE(const QString &eventClass, const QString &eventID, const QString &target, QString &reply)
{
    AppleEvent event(eventClass, eventID, target);
    if (!event.Send()) {
        reply.clear();
        return -1;
    }
    reply = event.ReplyString();
    return 0;
}

int App::GetCategoriesFromVM5()
{
    QString reply;
    const int status = SendSimpleAE(kMainProductSignature, kGetSentences, kMainProductSignature, reply);
    pVMCategories = reply;
    return status;
}

int App::GetCategoriesFromVM4()
{
    // The main product hands out its list one entry per request, numbered
    // from 1, and answers an empty text past the last one.
    AppleEvent event = mainProductEvent(kGetSentences);
    qint32 counter = 0;
    QString reply;
    do {
        ++counter;
        event.setIntegerParam(kDirectObjectKeyword, counter);
        if (event.Send()) {
            reply = event.ReplyString();
            pVMCategories = pVMCategories + EndOfLine() + reply;
        } else {
            MsgBox(QStringLiteral("The AppleEvent could not be sent."));
            reply.clear();
        }
        yieldToEventLoop();
    } while (!reply.isEmpty());
    MsgBox(pVMCategories);
    return 0;
}

QString App::VM5_GetSentences2Category(const QString &category, int number)
{
    AppleEvent event = mainProductEvent(kGetSentences);
    event.setStringParam(kDirectObjectKeyword, category + QStringLiteral(",") + Str(number));
    if (!event.Send()) {
        ShowVMNotRunningDialog();
        return {};
    }
    return event.ReplyString();
}

int App::VM5SwitchProgPart(int part)
{
    AppleEvent event = mainProductEvent(kSwitchProgPart);
    event.setStringParam(kDirectObjectKeyword, Str(part));
    if (!event.Send()) {
        ShowVMNotRunningDialog();
        return -1;
    }
    // The main product answers a switch it has done with nothing.
    return event.ReplyString().isEmpty() ? 0 : -2;
}

int App::VMGetProgPart(QString &part)
{
    QString reply;
    const int status = SendSimpleAE(kMainProductSignature, kGetProgPart, kMainProductSignature, reply);
    if (status == 0)
        part = reply;
    return status;
}

void App::ShowVMNotRunningDialog()
{
    ShowOKDialog(QStringLiteral("Velmora nicht gefunden"),
                 QStringLiteral("Bitte starten Sie zuerst den Velmora und danach den VM Companion"), QString());
}

int App::LaunchVM()
{
    // Started on its own, so that it outlives this program; a missing item
    // simply starts nothing.
    QProcess::startDetached(programFolderItem(QStringLiteral("Velmora 9")), {}, programFolder());
    return 0;
}
