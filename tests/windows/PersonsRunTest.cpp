// A person's run under Xvfb: the program starts on a database of its own,
// opens on the stored class, and the user types a first name, chooses a
// super-category, a criterion, a sub-criterion and a section, and clicks a
// sentence; the transfer text then holds that sentence formed for the pupil.
#include "WindowTestSupport.h"

#include "support/XvfbSession.h"

#include "app/App.h"
#include "framework/Database.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class XvfbRun : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.terminate();
            if (!m_program.waitForFinished(3000)) {
                m_program.kill();
                m_program.waitForFinished(3000);
            }
        }
    }

    // Runs a tool on the display and returns its standard output.
    QString run(const QString &program, const QStringList &arguments)
    {
        QProcess p;
        p.setProcessEnvironment(m_x.environment());
        p.start(program, arguments);
        p.waitForFinished(20000);
        return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    }

    void click(int x, int y)
    {
        m_x.xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(m_origin.x() + x),
                     QString::number(m_origin.y() + y), QStringLiteral("click"), QStringLiteral("1")});
        QTest::qWait(150);
    }

    void key(const QString &keys)
    {
        m_x.key(keys);
        QTest::qWait(150);
    }

    // Starts the program with a preferences file of the stored class and
    // database, and finds where its window's content lies.
    void startProgram(const QString &configFolder, int lastClass, const QString &databaseName)
    {
        ASSERT_TRUE(m_x.isRunning()) << "no X display";
        QDir().mkpath(configFolder);
        QFile prefs(QDir(configFolder).filePath(QStringLiteral("de.kelmarin.vm9.prf")));
        ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
        prefs.write(QStringLiteral("Version=9.0\nConnection=\nLastClass=%1\nTargetProcessname=\n"
                                   "TargetProcessCreator=\nLinkLocked=true\nListFontName=System\nListFontSize=10\n"
                                   "SentencesDBName=%2\nUseDuForm=false\n")
                        .arg(lastClass)
                        .arg(databaseName)
                        .toUtf8());
        prefs.close();
        QProcessEnvironment env = m_x.environment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
        m_program.setProcessEnvironment(env);
        m_program.start(QDir(qEnvironmentVariable("VM_BIN_DIR")).filePath(QStringLiteral("vm-companion")), {});
        ASSERT_TRUE(m_program.waitForStarted(5000));

        const QString window = m_x.waitForWindow(QStringLiteral("Velmora - Satzbausteine"));
        ASSERT_FALSE(window.isEmpty()) << "the main window did not appear";
        m_x.xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
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
    }

    // Types the first name, then clicks the first row of each list, the
    // super-category moved down by superDown rows, and the first sentence.
    void chooseFirstSentence(const QString &name, int superDown)
    {
        click(120, 19); // Vorname
        m_x.xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("50"), name});
        click(60, 74); // super-category
        for (int i = 0; i < superDown; ++i)
            key(QStringLiteral("Down"));
        click(200, 74); // criterion
        click(370, 74); // sub-criterion
        click(490, 74); // section
        click(250, 145); // first sentence
    }

    QString copiedTransferText()
    {
        click(250, 250);
        key(QStringLiteral("ctrl+a"));
        key(QStringLiteral("ctrl+c"));
        return run(QStringLiteral("xclip"),
                   {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o")});
    }

    XvfbSession m_x;
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
    startProgram(dir.filePath(QStringLiteral("config")), 3, db);
    // The second super-category is the one that class 3 alone has.
    chooseFirstSentence(QStringLiteral("Tom"), 1);
    EXPECT_EQ(copiedTransferText(), QStringLiteral("Er hilft gern."));

    // The second sentence, with the name filled in.
    click(250, 145);
    key(QStringLiteral("Down"));
    EXPECT_EQ(copiedTransferText(), QStringLiteral("Tom hilft anderen gern."));
}

TEST_F(XvfbRun, TheSampleDatabaseOpensOnTheStoredClassAndFormsTheChosenSection)
{
    const QString sample = sampleDatabase();
    if (sample.isEmpty())
        GTEST_SKIP() << "the build made no sample database";
    // What the user should see, asked of the store and forming directly.
    const int classLevel = 5;
    const QString classText = QString::number(classLevel);
    WindowFixture probe;
    probe.application().pSentenceDB->setDatabaseFile(sample);
    ASSERT_TRUE(probe.application().pSentenceDB->Connect());
    App &a = probe.application();
    a.GetSuperCategories(classText);
    const QStringList supers = a.pVMSuperCategories.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(supers.isEmpty());
    const int superRow = supers.size() > 1 ? 1 : 0;
    const QString super = supers.at(superRow);
    const QString main = a.GetMainCats(classText, super).section(u'\n', 0, 0);
    const QString sub = a.GetSubCats(classText, super, main).section(u'\n', 0, 0);
    const QString section = a.GetSubCatSections(classText, super, main, sub).section(u'\n', 0, 0);
    const QString first =
        a.GetSentences2Category(super, main, sub, section, classLevel, false, false).section(u'\n', 0, 0);
    ASSERT_FALSE(first.isEmpty());
    const QString expected = a.VM_formSentence(first, true, QStringLiteral("Tom"));
    a.pSentenceDB->Close();

    QTemporaryDir dir;
    startProgram(dir.filePath(QStringLiteral("config")), classLevel, sample);
    chooseFirstSentence(QStringLiteral("Tom"), superRow);
    EXPECT_EQ(copiedTransferText(), expected);
}

} // namespace
