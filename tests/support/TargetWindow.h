#pragma once
// The target application of the end-to-end runs (TargetWindowProgram.cpp):
// a small editor on the X display whose text is kept in a file.
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QString>

// How long the runs wait for a window or a text to appear.
inline constexpr int kXWaitMs = 15000;

// How the target treats the paste key.
enum class PasteHabit {
    TakesEvery,
    IgnoresFirstAfterImage, // the first paste after the clipboard held an image pastes nothing
    TakesNone,
};

// The small editor of TargetWindowProgram.cpp, run as application className
// (written in Latin-1 with latin1Class); its text is kept in outputFile. With
// pasteDelayMs it fetches a paste that late.
class TargetWindow
{
public:
    TargetWindow(const QString &className, const QString &outputFile, int pasteDelayMs = 0,
                 PasteHabit habit = PasteHabit::TakesEvery, bool latin1Class = false)
        : m_output(outputFile)
    {
        QStringList arguments{className, outputFile, QString::number(pasteDelayMs)};
        if (habit == PasteHabit::IgnoresFirstAfterImage)
            arguments << QStringLiteral("--ignores-first-paste-after-image");
        if (habit == PasteHabit::TakesNone)
            arguments << QStringLiteral("--takes-no-paste");
        if (latin1Class)
            arguments << QStringLiteral("--latin1-class");
        endWithTest(m_process);
        m_process.start(qEnvironmentVariable("VM_BIN_DIR", QCoreApplication::applicationDirPath())
                            + QStringLiteral("/vm-target-window"),
                        arguments);
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
    // Whether it has seen an image on the clipboard.
    bool sawImage() const { return QFile::exists(m_output + QStringLiteral(".image")); }

private:
    QProcess m_process;
    QString m_output;
    QString m_window;
};
