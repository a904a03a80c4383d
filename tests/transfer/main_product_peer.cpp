// A stand-in main product: `main_product_peer SIGNATURE LOGFILE REPLY...` owns
// the bus name of the signature and answers each event with the next reply
// ("\n" in it a line end; "!error" a D-Bus error, "!hang" no answer; past the
// last one nothing). It logs every event: class, ID and direct object.
#include "transfer/MainProductBus.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusVariant>
#include <QFile>

#include <cstdio>

class MainProductPeer : public QObject, protected QDBusContext
{
    Q_OBJECT
public:
    QStringList replies;
    QFile log;

public Q_SLOTS:
    QString HandleEvent(const QString &eventClass, const QString &eventID, const QVariantMap &params)
    {
        QString line = eventClass + u'\t' + eventID;
        QVariant object = params.value(kDirectObjectKeyword);
        if (object.typeId() == qMetaTypeId<QDBusVariant>())
            object = object.value<QDBusVariant>().variant();
        if (object.isValid())
            line += (object.typeId() == QMetaType::Int ? QStringLiteral("\ti:") : QStringLiteral("\ts:"))
                    + object.toString();
        log.write((line + u'\n').toUtf8());
        const QString reply = replies.isEmpty() ? QString() : replies.takeFirst();
        setDelayedReply(reply == QStringLiteral("!hang"));
        if (reply == QStringLiteral("!error"))
            sendErrorReply(QDBusError::Failed, QStringLiteral("the main product refuses"));
        return QString(reply).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    }
};

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    MainProductPeer peer;
    peer.replies = arguments.mid(3);
    peer.log.setFileName(arguments.value(2));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!peer.log.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !bus.registerObject(kMainProductObjectPath, kMainProductInterface, &peer, QDBusConnection::ExportAllSlots)
        || !bus.registerService(mainProductBusName(arguments.value(1))))
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    return application.exec();
}

#include "main_product_peer.moc"
