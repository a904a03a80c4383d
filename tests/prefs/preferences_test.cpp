#include "app/VersionInfo.h"
#include "prefs/PreferencesClass.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {
PreferencesClass readText(const QString &text)
{
    PreferencesClass prefs;
    QString copy = text;
    QTextStream stream(&copy);
    prefs.Read(stream);
    return prefs;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

VersionInfo version90()
{
    return VersionInfo(QStringLiteral("9.0"), QStringLiteral("9"), QStringLiteral("0"), QStringLiteral("0"),
                       QStringLiteral("9.0"));
}

void expectDefaults(const PreferencesClass &p)
{
    EXPECT_EQ(p.GetConnectionType(), QStringLiteral("ConnectGeneric"));
    EXPECT_EQ(p.GetLastClass(), 1);
    EXPECT_FALSE(p.GetLinkLocked());
    EXPECT_EQ(p.GetTargetProcessName(), QString());
    EXPECT_EQ(p.GetTargetProcessCreator(), QString());
    EXPECT_EQ(p.GetListFontName(), QStringLiteral("System"));
    EXPECT_EQ(p.GetListFontSize(), 10);
    EXPECT_EQ(p.GetSentencesDBName(), QStringLiteral("Formulierungshilfen.rbd"));
    EXPECT_FALSE(p.GetUseDu());
}
} // namespace

TEST(PreferencesRead, KeysAndValuesAsWritten)
{
    expectDefaults(readText(QString()));
    const auto locked = readText(QStringLiteral("LinkLocked=true"));
    EXPECT_TRUE(locked.GetLinkLocked());
    EXPECT_EQ(locked.GetListFontName(), QStringLiteral("System"));

    // Everything after the first empty line is not read.
    expectDefaults(readText(QStringLiteral("\nLinkLocked=true\nLastClass=4\n")));

    const auto p = readText(QStringLiteral("ListFontName=Helvetica=Bold\nUseDuForm=TRUE\nLastClass=abc\n"
                                           "ListFontSize=12.7\nConnection=conectcustom\nVersion=1.0\n"));
    EXPECT_EQ(p.GetListFontName(), QStringLiteral("Helvetica")) << "a value stops at a second '='";
    EXPECT_TRUE(p.GetUseDu()) << "values compare by the case-insensitive rule";
    EXPECT_EQ(p.GetLastClass(), 0);
    EXPECT_EQ(p.GetListFontSize(), 12);
    EXPECT_EQ(p.GetConnectionType(), QStringLiteral("ConectCustom"));

    EXPECT_FALSE(readText(QStringLiteral("UseDuForm=1")).GetUseDu());
    for (const char *value : {"ConnectGeneric", "", "Bluetooth"})
        EXPECT_EQ(readText(QStringLiteral("Connection=") + QString::fromUtf8(value)).GetConnectionType(),
                  QStringLiteral("ConnectGeneric"));
    // A repeated key takes its last value; blanks stay part of keys and values.
    const auto twice = readText(QStringLiteral("LastClass=3\nLastClass=7\nLinkLocked= true\n"));
    EXPECT_EQ(twice.GetLastClass(), 7);
    EXPECT_FALSE(twice.GetLinkLocked());
    EXPECT_EQ(readText(QStringLiteral("TargetProcessname=Text Edit\r\n")).GetTargetProcessName(),
              QStringLiteral("Text Edit"));
}

TEST(PreferencesWrite, DefaultsGiveTheTenLines)
{
    QString out;
    QTextStream stream(&out);
    EXPECT_TRUE(PreferencesClass().Write(stream, version90()));
    stream.flush();
    EXPECT_EQ(out, QStringLiteral("Version=9.0\nConnection=ConnectGeneric\nLastClass=1\nTargetProcessname=\n"
                                  "TargetProcessCreator=\nLinkLocked=false\nListFontName=System\nListFontSize=10\n"
                                  "SentencesDBName=Formulierungshilfen.rbd\nUseDuForm=false\n"));
}

TEST(PreferencesFile, RoundTripAndFirstLaunch)
{
    TempConfigHome home;
    bool existed = true;
    expectDefaults(readPreferencesFile(home.path(), &existed));
    EXPECT_FALSE(existed);
    EXPECT_TRUE(QFile::exists(home.prefsFile())) << "the first start creates an empty file";
    readPreferencesFile(home.path(), &existed);
    EXPECT_TRUE(existed) << "the second start is no first launch even without a save";

    // Every field set away from its default comes back: the file written from
    // the read-back settings equals the one written first.
    PreferencesClass p;
    p.SetConnectionType(QStringLiteral("ConectCustom"));
    p.SetLastClass(10);
    p.SetLinkLocked(true);
    p.SetTargetProcessname(QStringLiteral("Schreibprogramm Größe"));
    p.SetTargetProcessCreator(QStringLiteral("MSWD"));
    p.SetListFontName(QStringLiteral("DejaVu Sans"));
    p.SetListFontSize(15);
    p.SetSentencesDBName(QStringLiteral("Meine Sätze.rbd"));
    p.SetUseDu(true);
    ASSERT_TRUE(writePreferencesFile(home.path(), p, version90()));
    const QByteArray written = readFile(home.prefsFile());
    ASSERT_TRUE(writePreferencesFile(home.path(), readPreferencesFile(home.path(), &existed), version90()));
    EXPECT_EQ(readFile(home.prefsFile()), written);
    EXPECT_TRUE(written.contains("ListFontSize=15\n"));
    EXPECT_EQ(QDir(home.path()).entryList(QDir::Files), QStringList{QStringLiteral("de.kelmarin.vm9.prf")})
        << "no temporary file is left behind";
}

TEST(PreferencesFile, LineBreaksInsideAValueLoseNoLaterSetting)
{
    TempConfigHome home;
    PreferencesClass p;
    p.SetTargetProcessname(QStringLiteral("Editor\n\n"));
    p.SetTargetProcessCreator(QStringLiteral("\r\nEdit"));
    p.SetLinkLocked(true);
    p.SetSentencesDBName(QStringLiteral("Meine.rbd"));
    p.SetUseDu(true);
    ASSERT_TRUE(writePreferencesFile(home.path(), p, version90()));
    bool existed = false;
    const auto back = readPreferencesFile(home.path(), &existed);
    EXPECT_EQ(back.GetTargetProcessName(), QStringLiteral("Editor"));
    EXPECT_EQ(back.GetTargetProcessCreator(), QStringLiteral("Edit"));
    EXPECT_TRUE(back.GetLinkLocked());
    EXPECT_EQ(back.GetSentencesDBName(), QStringLiteral("Meine.rbd"));
    EXPECT_TRUE(back.GetUseDu());
}

TEST(PreferencesFile, GarbageAndBinaryBytesGiveDefaults)
{
    TempConfigHome home;
    QByteArray binary;
    for (int i = 0; i < 2048; ++i)
        binary.append(char((i * 37 + 11) % 256));
    for (const QByteArray &content : {binary, QByteArray("=====\n\x01\x02=\xff\xfe\n"), QByteArray(10, '\0')}) {
        writeFile(home.prefsFile(), content);
        bool existed = false;
        const auto p = readPreferencesFile(home.path(), &existed);
        EXPECT_TRUE(existed);
        EXPECT_EQ(p.GetSentencesDBName(), QStringLiteral("Formulierungshilfen.rbd"));
        EXPECT_EQ(readFile(home.prefsFile()), content) << "reading never changes the file";
    }
}

TEST(VersionInfo, TextPartsThatAreNoNumberGiveZero)
{
    const VersionInfo v(QStringLiteral("long"), QStringLiteral("2"), QStringLiteral("Beta"), QString(),
                        QStringLiteral("short"));
    EXPECT_EQ(v.pMajorVersion, 2);
    EXPECT_EQ(v.pMinorVersion, 0);
    EXPECT_EQ(v.pBugFixVersion, 0);
    EXPECT_EQ(v.pNonReleaseVersion, 0);
    EXPECT_EQ(v.pLongVersion, QStringLiteral("long"));
    EXPECT_EQ(v.pShortVersion, QStringLiteral("short"));
}
