// A stand-in main product for the tests: owns the bus name of a signature on
// the session bus and answers each event with the next line of a reply file.
//
//   main_product_peer --signature VMRg --replies FILE --log FILE
//
// Reply lines are texts ("\n" in a line stands for a line end); past the last
// line every reply is empty. Special lines: "!error" answers with a D-Bus
// error, "!hang" never answers, "!none" answers without arguments, "!int"
// answers with an integer instead of a text. Every event received is logged
// as one line: class, ID and the parameters as keyword=type:value, tab-separated.
#include "transfer/MainProductBus.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QTextStream>

#include <cstdio>

class MainProductPeer : public QObject, protected QDBusContext
{
    Q_OBJECT
public:
    MainProductPeer(QStringList replies, const QString &logPath)
        : m_replies(std::move(replies))
        , m_log(logPath)
    {
        m_log.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered);
    }

public Q_SLOTS:
    QString HandleEvent(const QString &eventClass, const QString &eventID, const QVariantMap &params)
    {
        QStringList fields{eventClass, eventID};
        for (auto it = params.cbegin(); it != params.cend(); ++it) {
            QVariant value = it.value();
            if (value.canConvert<QDBusVariant>() && value.typeId() == qMetaTypeId<QDBusVariant>())
                value = value.value<QDBusVariant>().variant();
            const QString type = value.typeId() == QMetaType::Int ? QStringLiteral("i")
                                 : value.typeId() == QMetaType::QString ? QStringLiteral("s")
                                                                        : QString::fromUtf8(value.typeName());
            fields << it.key() + u'=' + type + u':' + value.toString();
        }
        m_log.write((fields.join(u'\t') + u'\n').toUtf8());

        const QString reply = m_next < m_replies.size() ? m_replies.at(m_next) : QString();
        ++m_next;
        if (reply == QStringLiteral("!error")) {
            sendErrorReply(QDBusError::Failed, QStringLiteral("the main product refuses"));
            return {};
        }
        if (reply == QStringLiteral("!hang")) {
            setDelayedReply(true);
            return {};
        }
        if (reply == QStringLiteral("!none") || reply == QStringLiteral("!int")) {
            setDelayedReply(true);
            QDBusMessage answer = message().createReply();
            if (reply == QStringLiteral("!int"))
                answer << 7;
            connection().send(answer);
            return {};
        }
        return QString(reply).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
    }

private:
    QStringList m_replies;
    qsizetype m_next = 0;
    QFile m_log;
};

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption signatureOption(QStringLiteral("signature"), QStringLiteral("signature"),
                                             QStringLiteral("code"), QStringLiteral("VMRg"));
    const QCommandLineOption repliesOption(QStringLiteral("replies"), QStringLiteral("reply file"),
                                           QStringLiteral("file"));
    const QCommandLineOption logOption(QStringLiteral("log"), QStringLiteral("event log"), QStringLiteral("file"));
    parser.addOptions({signatureOption, repliesOption, logOption});
    parser.process(application);

    QStringList replies;
    QFile replyFile(parser.value(repliesOption));
    if (replyFile.open(QIODevice::ReadOnly)) {
        const QString text = QString::fromUtf8(replyFile.readAll());
        replies = text.split(u'\n');
        if (text.endsWith(u'\n'))
            replies.removeLast();
    }

    MainProductPeer peer(replies, parser.value(logOption));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(kMainProductObjectPath, kMainProductInterface, &peer,
                            QDBusConnection::ExportAllSlots)
        || !bus.registerService(mainProductBusName(parser.value(signatureOption)))) {
        std::fputs("failed\n", stdout);
        return 1;
    }
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    return application.exec();
}

#include "main_product_peer.moc"
