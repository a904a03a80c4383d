// A person's run under Xvfb: the program starts on a database of its own,
// opens on the stored class, and the user types a first name, chooses a
// super-category, a criterion, a sub-criterion and a section, and clicks a
// sentence; the transfer text then holds that sentence formed for the pupil.
#include "WindowTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class XvfbRun : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (int attempt = 0; attempt < 20 && m_display.isEmpty(); ++attempt) {
            const int number = 200 + int(QRandomGenerator::global()->bounded(600));
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))
                || QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
                continue;
            m_xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral(":%1").arg(number), QStringLiteral("-screen"),
                                                  QStringLiteral("0"), QStringLiteral("1024x768x24"),
                                                  QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            if (!m_xvfb.waitForStarted(5000))
                continue;
            if (waitFor([number] { return QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)); }))
                m_display = QStringLiteral(":%1").arg(number);
            else
                stop(m_xvfb);
        }
        ASSERT_FALSE(m_display.isEmpty()) << "no Xvfb display";
        m_env = QProcessEnvironment::systemEnvironment();
        m_env.insert(QStringLiteral("DISPLAY"), m_display);
        m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        m_openbox.setProcessEnvironment(m_env);
        m_openbox.start(QStringLiteral("openbox"), {});
        ASSERT_TRUE(m_openbox.waitForStarted(5000));
        QTest::qWait(500);
    }

    void TearDown() override
    {
        stop(m_program);
        stop(m_openbox);
        stop(m_xvfb);
    }

    static void stop(QProcess &process)
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }

    template <class Condition>
    static bool waitFor(Condition condition, int timeoutMs = 10000)
    {
        QElapsedTimer clock;
        clock.start();
        while (!condition()) {
            if (clock.elapsed() > timeoutMs)
                return false;
            QTest::qWait(50);
        }
        return true;
    }

    // Runs a tool on the display and returns its standard output.
    QString run(const QString &program, const QStringList &arguments)
    {
        QProcess p;
        p.setProcessEnvironment(m_env);
        p.start(program, arguments);
        p.waitForFinished(20000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    void xdotool(const QStringList &arguments) { run(QStringLiteral("xdotool"), arguments); }

    void click(int x, int y)
    {
        xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(m_origin.x() + x),
                 QString::number(m_origin.y() + y), QStringLiteral("click"), QStringLiteral("1")});
        QTest::qWait(150);
    }

    void key(const QString &keys)
    {
        xdotool({QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
        QTest::qWait(150);
    }

    QString m_display;
    QProcessEnvironment m_env;
    QProcess m_xvfb;
    QProcess m_openbox;
    QProcess m_program;
    QPoint m_origin; // the top left of the window's content, below the menu bar
};

TEST_F(XvfbRun, ChoosingDownToASectionShowsItsSentencesFormedWithTheFirstName)
{
    if (!storeReadsSentences() || !formingFillsNames())
        GTEST_SKIP() << "needs the store's sentence lists and sentence forming";

    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("Saetze.rbd"));
    // "Sozialverhalten" exists for class 3 only, the stored class.
    createSentenceDb(db, {sentenceRow("Arbeitsverhalten", "Sorgfalt", "Hefte", 1, 1, 10, 1, "_s Hefte sind sauber."),
                          sentenceRow("Sozialverhalten", "Hilfsbereitschaft", "Mitschüler", 1, 3, 3, 2,
                                      "#Er/Sie# hilft gern.\r_ hilft anderen gern."),
                          sentenceRow("Sozialverhalten", "Hilfsbereitschaft", "Mitschüler", 2, 3, 3, 3,
                                      "_ hilft manchmal.")});
    const QString config = dir.filePath(QStringLiteral("config"));
    QDir().mkpath(config);
    QFile prefs(QDir(config).filePath(QStringLiteral("de.kelmarin.vm9.prf")));
    ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
    prefs.write(QStringLiteral("Version=9.0\nConnection=\nLastClass=3\nTargetProcessname=\nTargetProcessCreator=\n"
                               "LinkLocked=true\nListFontName=System\nListFontSize=10\nSentencesDBName=%1\n"
                               "UseDuForm=false\n")
                    .arg(db)
                    .toUtf8());
    prefs.close();

    QProcessEnvironment env = m_env;
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    m_program.setProcessEnvironment(env);
    m_program.start(QDir(qEnvironmentVariable("VM_BIN_DIR")).filePath(QStringLiteral("vm-companion")), {});
    ASSERT_TRUE(m_program.waitForStarted(5000));

    const QString window = run(QStringLiteral("xdotool"),
                               {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                QStringLiteral("--name"), QStringLiteral("Velmora - Satzbausteine")})
                               .section(u'\n', 0, 0);
    ASSERT_FALSE(window.isEmpty()) << "the main window did not appear";
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    QTest::qWait(300);
    // xwininfo tells where the window's client area really is; the content is
    // 322 high and the menu bar takes the rest at its top.
    int x = 0, y = 0, height = 0;
    for (const QString &line : run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window}).split(u'\n')) {
        const QString value = line.section(u':', 1).trimmed();
        if (line.contains(QStringLiteral("Absolute upper-left X")))
            x = value.toInt();
        else if (line.contains(QStringLiteral("Absolute upper-left Y")))
            y = value.toInt();
        else if (line.trimmed().startsWith(QStringLiteral("Height:")))
            height = value.toInt();
    }
    ASSERT_GT(height, 322);
    m_origin = QPoint(x, y + height - 322);

    click(120, 19); // Vorname
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), QStringLiteral("Tom")});
    click(60, 74);  // first super-category ...
    key(QStringLiteral("Down")); // ... then the second, which class 3 alone has
    click(200, 74); // criterion
    click(370, 74); // sub-criterion
    click(490, 74); // section "1"
    click(250, 145); // first sentence
    click(250, 250); // the transfer text
    key(QStringLiteral("ctrl+a"));
    key(QStringLiteral("ctrl+c"));
    const QString transfer =
        run(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o")});
    EXPECT_EQ(transfer, QStringLiteral("Er hilft gern."));

    // The second sentence, with the name filled in.
    click(250, 145 + 1);
    key(QStringLiteral("Down"));
    click(250, 250);
    key(QStringLiteral("ctrl+a"));
    key(QStringLiteral("ctrl+c"));
    EXPECT_EQ(run(QStringLiteral("xclip"),
                  {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o")}),
              QStringLiteral("Tom hilft anderen gern."));
}

} // namespace
