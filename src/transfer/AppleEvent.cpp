#include "AppleEvent.h"

#include "transfer/MainProductBus.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QStringList>

AppleEvent::AppleEvent(const QString &eventClass, const QString &eventID, const QString &targetSignature)
    : m_eventClass(eventClass)
    , m_eventID(eventID)
    , m_target(targetSignature)
{
}

void AppleEvent::setIntegerParam(const QString &keyword, qint32 value)
{
    m_params.insert(keyword, QVariant::fromValue(value));
}

void AppleEvent::setStringParam(const QString &keyword, const QString &value)
{
    m_params.insert(keyword, value);
}

void AppleEvent::removeParam(const QString &keyword)
{
    m_params.remove(keyword);
}

namespace {
// The errors that mean nobody received the event: no such service, or no
// reply from it in time.
bool notSent(const QString &errorName)
{
    static const QStringList names{
        QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
        QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"),
        QStringLiteral("org.freedesktop.DBus.Error.NoReply"),
        QStringLiteral("org.freedesktop.DBus.Error.Timeout"),
        QStringLiteral("org.freedesktop.DBus.Error.TimedOut"),
        QStringLiteral("org.freedesktop.DBus.Error.Disconnected"),
        QStringLiteral("org.freedesktop.DBus.Error.NoServer"),
    };
    return names.contains(errorName);
}
} // namespace

bool AppleEvent::Send()
{
    m_reply.clear();
    m_error.clear();
    // Without a reachable session bus this is a disconnected connection whose
    // calls fail at once.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        const QDBusError error = bus.lastError();
        m_error = error.isValid() ? error.name() + QStringLiteral(": ") + error.message()
                                  : QStringLiteral("no session bus");
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(mainProductBusName(m_target), kMainProductObjectPath,
                                                       kMainProductInterface, kMainProductMethod);
    call.setArguments({m_eventClass, m_eventID, m_params});
    // A plain blocking wait: no user input is handled while the event is out.
    const QDBusMessage reply = bus.call(call, QDBus::Block, m_timeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        m_error = reply.errorName() + QStringLiteral(": ") + reply.errorMessage();
        // Any other error is the answer of a running peer: the event was sent
        // and answered, with nothing to read.
        return !notSent(reply.errorName());
    }
    // Only the text of the reply counts; a reply of another shape has none.
    const QVariant first = reply.arguments().value(0);
    if (first.typeId() == QMetaType::QString)
        m_reply = first.toString();
    return true;
}
