#pragma once
// A request to another application, addressed by its four-character
// signature: an event class, an event ID and keyed parameters (the direct
// object under "----"). Sending is one D-Bus method call to the service of the
// signature (see MainProductBus.h) that waits for its reply.
#include <QString>
#include <QVariantMap>

class AppleEvent
{
public:
    // Long enough for any answer a running main product gives; a hung one
    // must not freeze the program for good.
    static constexpr int kDefaultReplyTimeoutMs = 60000;

    AppleEvent(const QString &eventClass, const QString &eventID, const QString &targetSignature);

    QString eventClass() const { return m_eventClass; }
    QString eventID() const { return m_eventID; }
    QString targetSignature() const { return m_target; }

    // Sets (or replaces) the parameter under keyword, e.g. the direct object "----".
    void setIntegerParam(const QString &keyword, qint32 value);
    void setStringParam(const QString &keyword, const QString &value);
    void removeParam(const QString &keyword);
    QVariantMap params() const { return m_params; }

    void setReplyTimeout(int ms) { m_timeoutMs = ms; }

    // Sends the event and waits for the reply. False when it was not sent: no
    // session bus, no such service, or no reply in time. An error answer of a
    // running peer counts as sent, with an empty reply.
    bool Send();
    // The reply's text; empty when the reply holds none or the event was not sent.
    QString ReplyString() const { return m_reply; }
    // The D-Bus error of the last send (its name and message); empty after a plain reply.
    QString lastError() const { return m_error; }

private:
    QString m_eventClass;
    QString m_eventID;
    QString m_target;
    QVariantMap m_params;
    int m_timeoutMs = kDefaultReplyTimeoutMs;
    QString m_reply;
    QString m_error;
};
