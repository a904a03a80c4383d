#pragma once
// The stand-in main product, run as its own process on the test's session bus.
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

class StandInMainProduct
{
public:
    // Starts the peer answering with replies in order (see main_product_peer.cpp)
    // and returns once it owns its bus name.
    explicit StandInMainProduct(const QStringList &replies, const QString &signature = QStringLiteral("VMRg"));
    ~StandInMainProduct();
    StandInMainProduct(const StandInMainProduct &) = delete;
    StandInMainProduct &operator=(const StandInMainProduct &) = delete;

    bool isReady() const { return m_ready; }
    // The events received so far, one line each: class, ID, keyword=type:value.
    QStringList events() const;

private:
    QString m_busName;
    QTemporaryDir m_dir;
    QProcess m_process;
    bool m_ready = false;
};

// One logged event line, for comparing with events().
QString eventLine(const QString &eventClass, const QString &eventID, const QString &directObject = QString());
