#pragma once
// The target application of the end-to-end runs (TargetWindowProgram.cpp):
// a small editor on the X display whose text is kept in a file.
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QProcess>
#include <QString>

// How long the runs wait for a window or a text to appear.
inline constexpr int kXWaitMs = 15000;

// The small editor of TargetWindowProgram.cpp, run as application className; its
// text is kept in outputFile. With pasteDelayMs it fetches a paste that late.
class TargetWindow
{
public:
    TargetWindow(const QString &className, const QString &outputFile, int pasteDelayMs = 0)
        : m_output(outputFile)
    {
        m_process.start(qEnvironmentVariable("VM_BIN_DIR", QCoreApplication::applicationDirPath())
                            + QStringLiteral("/vm-target-window"),
                        {className, outputFile, QString::number(pasteDelayMs)});
        if (m_process.waitForReadyRead(kXWaitMs))
            m_window = QString::fromLatin1(m_process.readLine().trimmed());
    }
    ~TargetWindow()
    {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    // Its window id, "" when it did not start.
    QString window() const { return m_window; }
    QString text() const { return QString::fromUtf8(readBytes(m_output)); }

private:
    QProcess m_process;
    QString m_output;
    QString m_window;
};
