// The preferences file: what each line reads as, what is written, and the file on disk.
#include "app/VersionInfo.h"
#include "framework/FileErrors.h"
#include "prefs/PreferencesClass.h"
#include "support/TestSupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {
const VersionInfo kVersion(QStringLiteral("9.0"), QStringLiteral("9"), QStringLiteral("0"), QString(), QString());
const QString kDefaults = QStringLiteral("Version=9.0\nConnection=ConnectGeneric\nLastClass=1\nTargetProcessname=\n"
                                         "TargetProcessCreator=\nLinkLocked=false\nListFontName=System\n"
                                         "ListFontSize=10\nSentencesDBName=Formulierungshilfen.rbd\nUseDuForm=false\n");

// The lines written for the settings read from text.
QString readAndWrite(QString text)
{
    PreferencesClass prefs;
    QTextStream in(&text);
    prefs.Read(in);
    QString out;
    QTextStream stream(&out);
    prefs.Write(stream, kVersion);
    stream.flush();
    return out;
}

} // namespace

TEST(PreferencesLines, EachLineReadsAsTheFileSays)
{
    const struct { const char *text, *written; } cases[] = {
        {"", ""},
        {"Connection=conectcustom", "Connection=ConectCustom\n"},
        {"Connection=Bluetooth", "Connection=ConnectGeneric\n"},
        {"LastClass=abc\n", "LastClass=1\n"},
        {"LastClass=3\nLastClass=7", "LastClass=7\n"},
        {"\nLastClass=4\n", "LastClass=1\n"}, // reading stops at the first empty line
        {"TargetProcessname=Text Edit\r\n", "TargetProcessname=Text Edit\n"},
        {"targetprocesscreator=MSWD", "TargetProcessCreator=MSWD\n"},
        {"LinkLocked=TRUE", "LinkLocked=true\n"},
        {"LinkLocked= true", "LinkLocked=false\n"},
        {"ListFontName=Helvetica=Bold", "ListFontName=Helvetica\n"},
        {"ListFontSize=12.7", "ListFontSize=12\n"},
        {"UseDuForm=true", "UseDuForm=true\n"},
    };
    for (const auto &c : cases) {
        const QString written = readAndWrite(QString::fromUtf8(c.text));
        const QString line = QString::fromUtf8(c.written);
        if (line.isEmpty())
            EXPECT_EQ(written, kDefaults) << c.text;
        else
            EXPECT_TRUE(written.contains(u'\n' + line)) << c.text << "\n" << written.toStdString();
    }
}

TEST(PreferencesFile, FirstLaunchRoundTripAndForeignBytes)
{
    TempConfigHome home;
    bool existed = true;
    readPreferencesFile(home.path(), &existed);
    EXPECT_FALSE(existed);
    readPreferencesFile(home.path(), &existed);
    EXPECT_TRUE(existed) << "the first start leaves an empty file behind";
    ASSERT_TRUE(writePreferencesFile(home.path(), PreferencesClass(), kVersion));
    EXPECT_EQ(QString::fromUtf8(readBytes(home.prefsFile())), kDefaults);

    // Line breaks inside values and a Latin-1 line come back as the user's texts.
    PreferencesClass p;
    p.SetTargetProcessname(QStringLiteral("Editor\n\n"));
    p.SetUseDu(true);
    ASSERT_TRUE(writePreferencesFile(home.path(), p, kVersion));
    QFile file(home.prefsFile());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("ListFontName=Schrift Gr\xf6\xdf" "e\n");
    file.close();
    const PreferencesClass back = readPreferencesFile(home.path(), &existed);
    EXPECT_EQ(back.GetTargetProcessName(), QStringLiteral("Editor"));
    EXPECT_TRUE(back.GetUseDu());
    EXPECT_EQ(back.GetListFontName(), QStringLiteral("Schrift Größe"));
    ASSERT_TRUE(writePreferencesFile(home.path(), back, kVersion));
    EXPECT_TRUE(readBytes(home.prefsFile()).contains("\nListFontName=Schrift Größe\n"));
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList{QStringLiteral("de.kelmarin.vm9.prf")});

    // Garbage gives the defaults and is left as it was.
    const QByteArray garbage("=====\n\x01\x02=\xff\xfe\n\0\0", 15);
    writeBytes(home.prefsFile(), garbage);
    EXPECT_EQ(readPreferencesFile(home.path(), &existed).GetSentencesDBName(), QStringLiteral("Formulierungshilfen.rbd"));
    EXPECT_EQ(readBytes(home.prefsFile()), garbage);
    EXPECT_FALSE(writePreferencesFile(home.path() + QStringLiteral("/none"), p, kVersion));
}

// A class level or list font size the program has no place for, in the file,
// is read as one it has.
TEST(PreferencesFile, ValuesOutOfRangeAreReadAsTheNearestClassAndTheDefaultFontSize)
{
    const struct { const char *line; int lastClass, fontSize; } cases[] = {
        {"LastClass=11", 10, 10},     {"LastClass=999999999999", 10, 10}, {"LastClass=0", 1, 10},
        {"LastClass=-5", 1, 10},      {"LastClass=7", 7, 10},             {"ListFontSize=10000", 1, 10},
        {"ListFontSize=15", 1, 10},   {"ListFontSize=-12", 1, 10},        {"ListFontSize=24", 1, 24},
        {"ListFontSize=8", 1, 8},
    };
    TempConfigHome home;
    for (const auto &c : cases) {
        writeBytes(home.prefsFile(), QByteArray(c.line) + '\n');
        bool existed = false;
        const PreferencesClass read = readPreferencesFile(home.path(), &existed);
        EXPECT_EQ(read.GetLastClass(), c.lastClass) << c.line;
        EXPECT_EQ(read.GetListFontSize(), c.fontSize) << c.line;
    }
}

// A save replaces the file at the end of the preferences file's links with its
// access rights, and leaves no new file of its own behind, whatever an
// interrupted save or the user left beside it.
TEST(PreferencesFile, SaveReplacesTheLinkedFileWhateverLiesBesideIt)
{
    const struct
    {
        const char *linkedTo;   // through "mid.lnk"; "" when the preferences file is a plain file
        const char *beside;     // made in the written file's folder
        bool folder;
        int ageSeconds;
        bool stays;
    } cases[] = {
        {"ziel/prefs.txt", "prefs.txt.a1B2c3.neu", false, 3600, false},
        {"", "de.kelmarin.vm9.prf.neu", true, 0, true},
        {"", "de.kelmarin.vm9.prf.a1B2c3.neu", false, 3600, false},
        {"", "de.kelmarin.vm9.prf.a1B2c3.neu", false, 0, true}, // another copy may be saving
        {"", "de.kelmarin.vm9.prf.Kopie.neu", false, 3600, true},
    };
    for (const auto &c : cases) {
        TempConfigHome home;
        const QDir dir(home.path());
        const QString linkedTo = QString::fromUtf8(c.linkedTo);
        const QString written = linkedTo.isEmpty() ? home.prefsFile() : dir.filePath(linkedTo);
        const QDir writtenDir = QFileInfo(written).dir();
        ASSERT_TRUE(dir.mkpath(writtenDir.path()));
        writeBytes(written, "LastClass=3\n");
        ASSERT_TRUE(QFile::setPermissions(written, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther));
        if (!linkedTo.isEmpty()) {
            ASSERT_TRUE(QFile::link(linkedTo, dir.filePath(QStringLiteral("mid.lnk"))));
            ASSERT_TRUE(QFile::link(QStringLiteral("mid.lnk"), home.prefsFile()));
        }
        const QString beside = writtenDir.filePath(QString::fromUtf8(c.beside));
        if (c.folder)
            ASSERT_TRUE(writtenDir.mkdir(QString::fromUtf8(c.beside)));
        else
            writeBytes(beside, "Version=9.0\nLast");
        const QDateTime made = QDateTime::currentDateTime().addSecs(-c.ageSeconds);
        QFile besideFile(beside);
        ASSERT_TRUE(c.folder || (besideFile.open(QIODevice::ReadWrite)
                                 && besideFile.setFileTime(made, QFileDevice::FileModificationTime)));
        besideFile.close();
        const QStringList before = writtenDir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden
                                                        | QDir::System);

        PreferencesClass prefs;
        prefs.SetLastClass(7);
        QString reason;
        EXPECT_TRUE(writePreferencesFile(home.path(), prefs, kVersion, &reason))
            << c.beside << ": " << reason.toStdString();
        EXPECT_TRUE(readBytes(written).contains("\nLastClass=7\n")) << c.beside;
        struct stat st = {};
        EXPECT_EQ(::stat(QFile::encodeName(written).constData(), &st), 0);
        const mode_t mask = ::umask(0);
        ::umask(mask);
        EXPECT_EQ(st.st_mode & 07777, 0604u & ~mask) << c.beside;
        if (!linkedTo.isEmpty()) {
            EXPECT_TRUE(QFileInfo(home.prefsFile()).isSymLink());
            EXPECT_TRUE(QFileInfo(dir.filePath(QStringLiteral("mid.lnk"))).isSymLink()) << "the middle link stays";
        }
        QStringList after = before;
        if (!c.stays)
            after.removeOne(QString::fromUtf8(c.beside));
        EXPECT_EQ(writtenDir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System), after)
            << c.beside;
    }
}

// A named pipe or a device is neither opened for reading nor replaced; the null device takes the settings quietly.
TEST(PreferencesFile, ANamedPipeOrADeviceIsNeitherReadNorReplaced)
{
    const struct { const char *what; mode_t type; unsigned minor; bool linked, saved; const char *systems; } cases[] = {
        {"pipe", S_IFIFO, 0, false, false, nullptr}, {"link to a pipe", S_IFIFO, 0, true, false, nullptr},
        {"link to the null device", S_IFCHR, 3, true, true, "/dev/null"},
        {"link to the zero device", S_IFCHR, 5, true, false, "/dev/zero"},
    };
    for (const auto &c : cases) {
        // Root makes device nodes of the test's own; any other user links to the system's, which only root could harm.
        const bool ownNode = c.type != S_IFCHR || ::geteuid() == 0;
        TempConfigHome home;
        const QString node = !ownNode ? QString::fromUtf8(c.systems)
                             : c.linked ? home.prefsFile() + QStringLiteral(".ziel")
                                        : home.prefsFile();
        ASSERT_TRUE(!ownNode || ::mknod(QFile::encodeName(node).constData(), c.type | 0600, makedev(1, c.minor)) == 0)
            << c.what;
        ASSERT_TRUE(!c.linked || QFile::link(node, home.prefsFile()));
        EXPECT_EQ(readPreferencesFile(home.path(), nullptr).GetLastClass(), 1) << c.what;
        QString reason;
        EXPECT_EQ(writePreferencesFile(home.path(), PreferencesClass(), kVersion, &reason), c.saved) << c.what;
        EXPECT_EQ(reason, c.saved ? QString() : fileErrorReason(kNotARegularFile)) << c.what;
        EXPECT_FALSE(QFileInfo(node).isFile()) << c.what << " stays as it was";
    }
}
