// The real program on a real X display: started as a teacher starts it.
#include "support/TargetWindow.h"
#include "support/TestSupport.h"
#include "support/XvfbSession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QString kMainWindow = QStringLiteral("Velmora - Satzbausteine");

// A program folder of its own: the executable copied beside a database, and a
// runtime folder of its own for the program's lock and socket.
class ProgramFolder
{
public:
    ProgramFolder()
    {
        EXPECT_TRUE(QFile::copy(qEnvironmentVariable("VM_BIN_DIR") + QStringLiteral("/vm-companion"), program()));
        createSentenceDb(m_dir.filePath(QStringLiteral("Formulierungshilfen.rbd")),
                         {sentenceRow("Normalform", "Arbeitsverhalten", "Sorgfalt", 1, 1, 10, 1, "_ arbeitet gut.")});
    }
    QString program() const { return m_dir.filePath(QStringLiteral("vm-companion")); }
    // The environment of a program on display x, with the preferences folder set now.
    QProcessEnvironment environment(const XvfbSession &x) const
    {
        QProcessEnvironment env = x.environment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        return env;
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_runtime;
};

// Waits until check holds, polling.
bool waitFor(const std::function<bool()> &check, int timeoutMs = kXWaitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!check()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(50);
    }
    return true;
}

// The ids of the visible windows with exactly that title.
QStringList windowsNamed(const XvfbSession &x, const QString &title)
{
    return x.xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                      QStringLiteral("^") + title + QStringLiteral("$")})
        .split(u'\n', Qt::SkipEmptyParts);
}

// Whether the process shows its main window (a window of a copy that ended may linger a moment).
bool showsMainWindow(const XvfbSession &x, const QProcess &process)
{
    return !x.xdotool({QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                       QStringLiteral("--pid"), QString::number(process.processId()), QStringLiteral("--name"),
                       QStringLiteral("^") + kMainWindow + QStringLiteral("$")})
                .isEmpty();
}
} // namespace

TEST(StartupE2E, FirstLaunchShowsTheWindowAsksForTheTargetAndCtrlQWritesThePreferences)
{
    XvfbSession x;
    if (!x.isRunning())
        GTEST_SKIP() << "no Xvfb, openbox or xdotool";
    ProgramFolder folder;
    TempConfigHome config;
    QProcess process; // ended with the test when it still runs
    process.setProcessEnvironment(folder.environment(x));
    process.start(folder.program(), {});
    ASSERT_TRUE(process.waitForStarted(5000));
    const QString window = x.waitForWindow(kMainWindow);
    ASSERT_FALSE(window.isEmpty());
    const QString message = x.waitForWindow(QStringLiteral("Velmora"));
    ASSERT_FALSE(message.isEmpty()) << "Bitte Zielanwendung öffnen";
    x.activate(message);
    x.key(QStringLiteral("Return"));
    // The target chooser, when it comes, is cancelled.
    const QString chooser = x.waitForWindow(QStringLiteral("Zielanwendung wählen..."));
    if (!chooser.isEmpty()) {
        x.activate(chooser);
        x.key(QStringLiteral("Escape"));
    }
    ASSERT_FALSE(x.waitForWindow(kMainWindow).isEmpty());
    x.xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    x.key(QStringLiteral("ctrl+q"));
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    const QStringList lines = QString::fromUtf8(readBytes(config.prefsFile())).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), 10);
    EXPECT_EQ(lines.value(1), QStringLiteral("Connection=ConnectGeneric"));
}

// A second start for the same preferences brings the running copy to the front and
// ends; other preferences, or a copy that crashed, do not stop a start.
TEST(StartupE2E, ASecondStartBringsTheRunningCopyToTheFront)
{
    XvfbSession x;
    if (!x.isRunning())
        GTEST_SKIP() << "no Xvfb, openbox or xdotool";
    ProgramFolder folder;
    QTemporaryDir mine, other;
    for (const QTemporaryDir *config : {&mine, &other})
        writeBytes(QDir(config->path()).filePath(QStringLiteral("de.kelmarin.vm9.prf")), {}); // no first launch
    QProcessEnvironment changed; // by later rows
    const auto start = [&](QProcess &p, const QTemporaryDir &config) {
        QProcessEnvironment env = folder.environment(x);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        env.insert(changed);
        p.setProcessEnvironment(env);
        p.start(folder.program(), {});
        return p.waitForStarted(5000);
    };
    QProcess first;
    ASSERT_TRUE(start(first, mine));
    const QString firstWindow = x.waitForWindow(kMainWindow);
    ASSERT_FALSE(firstWindow.isEmpty());
    const QDir runtime(folder.environment(x).value(QStringLiteral("XDG_RUNTIME_DIR")));
    const QString key = runtime.entryList({QStringLiteral("*.lock")}).value(0).chopped(5); // the copy's lock name
    QTemporaryDir outputs;
    qputenv("DISPLAY", x.display().toLocal8Bit()); // the other window opens on the same display
    qputenv("QT_QPA_PLATFORM", "xcb");
    TargetWindow elsewhere(QStringLiteral("Zeugnisschreiber"), outputs.filePath(QStringLiteral("target.txt")));
    ASSERT_TRUE(x.activate(elsewhere.window()));
    const auto frontWindow = [&x] { return x.xdotool({QStringLiteral("getactivewindow")}); };
    ASSERT_EQ(frontWindow(), elsewhere.window());

    QProcess second;
    ASSERT_TRUE(start(second, mine));
    ASSERT_TRUE(second.waitForFinished(kXWaitMs));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(waitFor([&] { return frontWindow() == firstWindow; })) << "in front: " << frontWindow().toStdString();
    EXPECT_EQ(windowsNamed(x, kMainWindow), QStringList{firstWindow});

    const struct
    {
        const char *what;
        const QTemporaryDir &config;
        std::function<void()> before;
    } ownCopies[] = {
        {"other preferences", other, [] {}},
        {"the first copy crashed", mine, [&first] {
             first.kill();
             first.waitForFinished(5000);
         }},
    };
    for (const auto &c : ownCopies) {
        SCOPED_TRACE(c.what);
        c.before();
        QProcess own;
        ASSERT_TRUE(start(own, c.config));
        EXPECT_TRUE(waitFor([&] { return showsMainWindow(x, own); }));
        EXPECT_EQ(own.state(), QProcess::Running);
        // kill ends the program as quitting does: the preferences are written.
        const QString prefs = QDir(c.config.path()).filePath(QStringLiteral("de.kelmarin.vm9.prf"));
        writeBytes(prefs, "LastClass=3\n");
        own.terminate();
        EXPECT_TRUE(own.waitForFinished(kXWaitMs));
        EXPECT_EQ(own.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(own.exitCode(), 0);
        EXPECT_TRUE(readBytes(prefs).startsWith("Version=")) << readBytes(prefs).toStdString();
    }

    // In the way of a later start, in turn: a stray folder at the socket or the lock; no runtime folder (a
    // file where it would be made, or another user's folder there); a link as the last place, the places
    // before it taken by strays, which is no place of the user's own wherever it points. The later start
    // hands over, or runs on as a copy of its own where no place is left; nothing goes where it has no place.
    QTemporaryDir temp, pointedTo; // pointedTo: a folder of the user's own
    const QString foreign = temp.filePath(QStringLiteral("runtime-%1")
                                              .arg(QString::fromLocal8Bit(::getpwuid(::getuid())->pw_name)));
    const QString lastPlace = temp.filePath(QStringLiteral("vm-companion-%1").arg(::geteuid()));
    const QDir prefsFolder(mine.path());
    const auto strayFolder = [&key](const QDir &place, const QString &at) {
        QFile::remove(place.filePath(key + at)); // what a former copy left
        return place.mkdir(key + at);
    };
    const struct
    {
        const char *what;
        std::function<bool()> plant;
        bool handsOver = true;
        bool needsRoot = false;
    } strays[] = {
        {"a folder at the socket", [&] { return strayFolder(runtime, QStringLiteral(".socket")); }},
        {"a folder at the lock", [&] { return strayFolder(runtime, QStringLiteral(".lock")); }},
        {"a file at the runtime folder", [&] {
             changed.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString()); // an empty one is none
             changed.insert(QStringLiteral("TMPDIR"), temp.path());
             return QFile(foreign).open(QIODevice::WriteOnly);
         }},
        {"a link as the last place", [&] {
             return strayFolder(prefsFolder, QStringLiteral(".socket")) && QFile::link(pointedTo.path(), lastPlace);
         }, false},
        {"another user's runtime folder", [&] {
             return QFile::remove(lastPlace) && prefsFolder.rmdir(key + QStringLiteral(".socket")) && QFile::remove(foreign)
                    && ::mkdir(QFile::encodeName(foreign), 0777) == 0
                    && ::chown(QFile::encodeName(foreign), 65534, 65534) == 0;
         }, true, true},
    };
    for (const auto &c : strays) {
        SCOPED_TRACE(c.what);
        if (c.needsRoot && ::geteuid() != 0)
            GTEST_SKIP() << "a folder of another user needs root";
        ASSERT_TRUE(c.plant());
        QProcess running, later; // ended with the row
        ASSERT_TRUE(start(running, mine) && waitFor([&] { return showsMainWindow(x, running); }));
        ASSERT_TRUE(start(later, mine));
        if (c.handsOver)
            EXPECT_TRUE(later.waitForFinished(kXWaitMs) && later.exitCode() == 0) << c.what << " in the way";
        else
            EXPECT_TRUE(waitFor([&] { return showsMainWindow(x, later); }) && later.state() == QProcess::Running);
        EXPECT_TRUE(QDir(foreign).isEmpty());
        EXPECT_TRUE(QDir(pointedTo.path()).isEmpty());
    }
    // Past the runtime and the preferences folder, the last place is made for the user alone.
    QFile::remove(QDir(mine.path()).filePath(key + QStringLiteral(".lock"))); // the former copies' lock
    ASSERT_TRUE(QDir(mine.path()).mkdir(key + QStringLiteral(".lock")));
    QProcess last;
    ASSERT_TRUE(start(last, mine) && waitFor([&] { return showsMainWindow(x, last); }));
    struct stat st = {};
    EXPECT_TRUE(::stat(QFile::encodeName(lastPlace).constData(), &st) == 0 && (st.st_mode & 07777) == 0700)
        << std::oct << st.st_mode;
}

// Quitting on a full disk: a message says that the preferences were not saved, then
// the program ends; the old file stays as it was. A start meanwhile waits for the
// quitting copy to end and runs on its own.
TEST(StartupE2E, QuittingOnAFullDiskSaysSoAndKeepsTheOldPreferences)
{
    XvfbSession x;
    if (!x.isRunning())
        GTEST_SKIP() << "no Xvfb, openbox or xdotool";
    ProgramFolder folder;
    TempConfigHome config;
    const QByteArray old = "Version=9.0\nConnection=ConectCustom\nLastClass=4\n";
    writeBytes(config.prefsFile(), old);
    QProcess process;
    process.setProcessEnvironment(folder.environment(x));
    // A disk that takes no more than a few bytes of a file.
    process.setChildProcessModifier([] {
        const rlimit size = {32, 32};
        ::setrlimit(RLIMIT_FSIZE, &size);
        // The program itself must keep such a write from ending it.
        ::signal(SIGXFSZ, SIG_DFL);
    });
    process.start(folder.program(), {});
    ASSERT_TRUE(process.waitForStarted(5000));
    const QString window = x.waitForWindow(kMainWindow);
    ASSERT_FALSE(window.isEmpty());
    ASSERT_TRUE(x.activate(window));
    x.key(QStringLiteral("ctrl+q"));
    const QString message = x.waitForWindow(QStringLiteral("Velmora"));
    ASSERT_FALSE(message.isEmpty());
    EXPECT_FALSE(process.waitForFinished(500)) << "the message waits for its answer";
    QProcess second;
    second.setProcessEnvironment(folder.environment(x));
    second.start(folder.program(), {});
    ASSERT_TRUE(second.waitForStarted(5000));
    EXPECT_FALSE(second.waitForFinished(1000)) << "the quitting copy cannot come to the front";
    ASSERT_TRUE(x.activate(message));
    x.key(QStringLiteral("Return"));
    ASSERT_TRUE(process.waitForFinished(kXWaitMs));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(readBytes(config.prefsFile()), old);
    EXPECT_EQ(QDir(config.path()).entryList({QStringLiteral("*.neu")}, QDir::Files), QStringList())
        << "no new file is left";
    EXPECT_TRUE(waitFor([&] { return showsMainWindow(x, second); }));
    EXPECT_EQ(second.state(), QProcess::Running);
}
