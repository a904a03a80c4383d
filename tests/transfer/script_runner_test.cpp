#include "ScriptTestSupport.h"

#include "framework/Folders.h"
#include "framework/ScriptRunner.h"
#include "transfer/ScriptOperations.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {
QString u8(const char *text)
{
    return QString::fromUtf8(text);
}
} // namespace

// Which operation runs which script is checked with the application's routes
// and capture; here the convention every script call follows.
TEST(ScriptCallConvention, PassesEveryParameterInOrderAndExactly)
{
    RecordingScripts scripts;
    const QString sentence = u8("Ä Ö Ü ä ö ü ß „ “ –\nzweite Zeile mit 'Quote' und \"Anf\" $HOME `x` *");
    runScriptFunction(168, {QStringLiteral("Ziel Programm"), sentence, qint32(-42), QString(), qint32(7)});
    ASSERT_EQ(scripts.calls().size(), 1);
    EXPECT_EQ(scripts.calls().at(0),
              (ScriptCall{168, {QStringLiteral("Ziel Programm"), sentence, QStringLiteral("-42"), QString(),
                                QStringLiteral("7")}}));
}

TEST(ScriptCallConvention, ResultIsStandardOutputWithoutItsFinalLineEnd)
{
    RecordingScripts scripts;
    scripts.writeScript(171, QStringLiteral("printf 'a\\nb\\n\\n'"));
    EXPECT_EQ(runScriptFunction(171, {}), QStringLiteral("a\nb\n"));
    scripts.writeScript(171, QStringLiteral("printf 'ohne Zeilenende'"));
    EXPECT_EQ(runScriptFunction(171, {}), QStringLiteral("ohne Zeilenende"));
    scripts.writeScript(171, QStringLiteral("printf 'dos\\r\\n'"));
    EXPECT_EQ(runScriptFunction(171, {}), QStringLiteral("dos"));
    scripts.writeScript(171, QStringLiteral("printf '\\303\\204rger\\n'"));
    EXPECT_EQ(runScriptFunction(171, {}), u8("Ärger"));
}

TEST(ScriptCallConvention, MissingOrFailingScriptsAreNotReported)
{
    RecordingScripts scripts;
    QFile::remove(ScriptRunner::scriptPath(172));
    EXPECT_EQ(ChooseApp({}), QString());

    // Not executable: not run.
    scripts.writeScript(173, QStringLiteral("echo nein"));
    QFile(ScriptRunner::scriptPath(173)).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(getCreatorToProcName({QStringLiteral("x")}), QString());

    // A failing script still hands back what it printed; nothing else is examined.
    scripts.writeScript(171, QStringLiteral("echo halb; echo kaputt >&2; exit 3"));
    EXPECT_EQ(getFrontprocessname({}), QStringLiteral("halb"));

    // Not a program at all.
    scripts.writeScript(170, QString());
    QFile file(ScriptRunner::scriptPath(170));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x7f" "ELF garbage");
    file.close();
    EXPECT_EQ(getFrontprocess({}), QString());
}

TEST(ScriptCallConvention, AHangingScriptIsEnded)
{
    RecordingScripts scripts;
    scripts.writeScript(175, QStringLiteral("echo begonnen; exec sleep 60"));
    EXPECT_EQ(ScriptRunner::run(175, {}, 300), QString());
}

TEST(ScriptCallConvention, TheProgramKeepsHandlingEventsWhileAScriptRuns)
{
    RecordingScripts scripts;
    scripts.writeScript(175, QStringLiteral("sleep 0.5"));
    bool timerRan = false;
    QTimer::singleShot(50, [&] { timerRan = true; });
    setSelectionWithPaste({QStringLiteral("x")});
    EXPECT_TRUE(timerRan);
}

namespace {
// The scripts as the program ships them, beside the test executables.
class ShippedScripts : public ::testing::Test
{
protected:
    ShippedScripts()
        : m_display(qgetenv("DISPLAY"))
    {
        setProgramFolder(qEnvironmentVariable("VM_BIN_DIR"));
        // No X display: what the scripts do when they cannot reach one.
        qunsetenv("DISPLAY");
    }
    ~ShippedScripts() override
    {
        setProgramFolder(QString());
        if (!m_display.isEmpty())
            qputenv("DISPLAY", m_display);
    }

private:
    QByteArray m_display;
};
} // namespace

TEST_F(ShippedScripts, DeriveCreatorCodesByOneRule)
{
    const struct
    {
        const char *name;
        const char *creator;
    } cases[] = {{"Velmora", "VMRg"},
                 {"vm-companion", "VMRb"},
                 {"VM-Companion", "VMRb"},
                 {"libreoffice-writer", "MSWD"},
                 {"Soffice", "MSWD"},
                 {"Zeugnisschreiber", "Zeug"},
                 {"vi", "vi  "},
                 {"a b*c", "a b*"},
                 {"", ""}};
    for (const auto &c : cases)
        EXPECT_EQ(getCreatorToProcName({QString::fromUtf8(c.name)}), QString::fromUtf8(c.creator)) << c.name;
}

TEST_F(ShippedScripts, ReportNothingWithoutADisplay)
{
    EXPECT_EQ(getFrontprocess({}), QString());
    EXPECT_EQ(getFrontprocessname({}), QString());
    EXPECT_EQ(ChooseApp({}), QString());
    setSelectionWithPaste({QStringLiteral("Zeugnisschreiber")});
    setSelectionOther({QStringLiteral("Zeugnisschreiber"), QStringLiteral("Satz")});
}
