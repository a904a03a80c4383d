// A stand-in main product for the tests: owns the bus name of a signature on
// the session bus and answers each event with the next reply.
//
//   main_product_peer SIGNATURE LOGFILE REPLY...
//
// "\n" in a reply stands for a line end; past the last one every reply is
// empty. "!error" answers with a D-Bus error, "!hang" never answers. Every
// event is logged as one line: class, ID and the direct object as type:value.
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
    MainProductPeer(QStringList replies, const QString &logPath)
        : m_replies(std::move(replies))
        , m_log(logPath)
    {
        m_log.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

public Q_SLOTS:
    QString HandleEvent(const QString &eventClass, const QString &eventID, const QVariantMap &params)
    {
        QString line = eventClass + u'\t' + eventID;
        if (params.contains(kDirectObjectKeyword)) {
            QVariant value = params.value(kDirectObjectKeyword);
            if (value.typeId() == qMetaTypeId<QDBusVariant>())
                value = value.value<QDBusVariant>().variant();
            line += (value.typeId() == QMetaType::Int ? QStringLiteral("\ti:") : QStringLiteral("\ts:"))
                    + value.toString();
        }
        m_log.write((line + u'\n').toUtf8());
        const QString reply = m_replies.isEmpty() ? QString() : m_replies.takeFirst();
        if (reply == QStringLiteral("!error"))
            sendErrorReply(QDBusError::Failed, QStringLiteral("the main product refuses"));
        else if (reply == QStringLiteral("!hang"))
            setDelayedReply(true);
        return QString(reply).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    }

private:
    QStringList m_replies;
    QFile m_log;
};

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3)
        return 2;
    MainProductPeer peer(arguments.mid(3), arguments.at(2));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(kMainProductObjectPath, kMainProductInterface, &peer, QDBusConnection::ExportAllSlots)
        || !bus.registerService(mainProductBusName(arguments.at(1))))
        return 1;
    std::puts("ready");
    std::fflush(stdout);
    return application.exec();
}

#include "main_product_peer.moc"
