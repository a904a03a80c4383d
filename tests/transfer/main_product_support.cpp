#include "main_product_support.h"

#include "transfer/MainProductBus.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>
#include <QTest>

#include <tuple>

StandInMainProduct::StandInMainProduct(const QStringList &replies, const QString &signature)
    : m_busName(mainProductBusName(signature))
{
    QFile replyFile(m_dir.filePath(QStringLiteral("replies")));
    if (!replyFile.open(QIODevice::WriteOnly))
        return;
    for (const QString &reply : replies)
        replyFile.write((reply + u'\n').toUtf8());
    replyFile.close();

    m_process.setProgram(qEnvironmentVariable("VM_BIN_DIR") + QStringLiteral("/main_product_peer"));
    m_process.setArguments({QStringLiteral("--signature"), signature, QStringLiteral("--replies"),
                            replyFile.fileName(), QStringLiteral("--log"), m_dir.filePath(QStringLiteral("log"))});
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start();
    // The peer says "ready" once its name is on the bus.
    QByteArray said;
    while (m_process.waitForReadyRead(10000)) {
        said += m_process.readAll();
        if (said.contains("ready\n")) {
            m_ready = true;
            break;
        }
    }
}

StandInMainProduct::~StandInMainProduct()
{
    m_process.kill();
    m_process.waitForFinished(10000);
    // The bus drops the name when it notices the closed connection, which may
    // come after the process is gone; the next test may want the name again.
    if (QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface())
        std::ignore = QTest::qWaitFor([&] { return !bus->isServiceRegistered(m_busName).value(); }, 10000);
}

QStringList StandInMainProduct::events() const
{
    QFile log(m_dir.filePath(QStringLiteral("log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(log.readAll()).split(u'\n');
    lines.removeAll(QString());
    return lines;
}

QString eventLine(const QString &eventClass, const QString &eventID, const QString &directObject)
{
    QString line = eventClass + u'\t' + eventID;
    if (!directObject.isEmpty())
        line += QStringLiteral("\t----=") + directObject;
    return line;
}
