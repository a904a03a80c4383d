#include "framework/Folders.h"
#include "transfer/ScriptOperations.h"
#include "transfer/TargetRules.h"
#include "transfer/TransferRoute.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
struct RouteCase
{
    const char *creator;
    const char *connection;
    TransferRoute route;
};

class RouteTable : public ::testing::TestWithParam<RouteCase>
{
};
} // namespace

TEST_P(RouteTable, ChoosesByCreatorAndConnection)
{
    const RouteCase &c = GetParam();
    EXPECT_EQ(chooseTransferRoute(QString::fromUtf8(c.creator), [&] { return QString::fromUtf8(c.connection); }),
              c.route)
        << c.creator << " / " << c.connection;
}

INSTANTIATE_TEST_SUITE_P(
    Routes, RouteTable,
    ::testing::Values(RouteCase{"MSWD", "ConectCustom", TransferRoute::InsertMSWD},
                      RouteCase{"C#+A", "ConectCustom", TransferRoute::InsertOther},
                      RouteCase{"BOBO", "ConectCustom", TransferRoute::PasteGeneric},
                      RouteCase{"C#+A", "ConnectGeneric", TransferRoute::PasteGeneric},
                      RouteCase{"", "ConectCustom", TransferRoute::PasteGeneric},
                      RouteCase{"MSWD", "ConnectGeneric", TransferRoute::PasteMSWD},
                      RouteCase{"", "", TransferRoute::PasteGeneric},
                      // Correctly spelled, the custom type is not the program's.
                      RouteCase{"MSWD", "ConnectCustom", TransferRoute::PasteMSWD},
                      RouteCase{"RBv2", "ConectCustom", TransferRoute::Nothing},
                      // Compared by the program's case-insensitive rule.
                      RouteCase{"mswd", "conectcustom", TransferRoute::InsertMSWD},
                      RouteCase{"c#+a", "CONECTCUSTOM", TransferRoute::InsertOther},
                      RouteCase{"rbv2", "ConnectGeneric", TransferRoute::Nothing}));

TEST(RouteChoice, AsksForTheConnectionTypeOnlyForCreatorsWithARouteOfTheirOwn)
{
    int asked = 0;
    const auto connection = [&] {
        ++asked;
        return QStringLiteral("ConectCustom");
    };
    chooseTransferRoute(QStringLiteral("Mytx"), connection);
    chooseTransferRoute(QStringLiteral("RBv2"), connection);
    EXPECT_EQ(asked, 0);
    chooseTransferRoute(QStringLiteral("BOBO"), connection);
    EXPECT_EQ(asked, 1);
}

TEST(TargetRules, ExcludeTheMainProductThisProgramAndTheFinder)
{
    const struct
    {
        const char *creator;
        const char *name;
        bool acceptable;
    } cases[] = {{"VMRg", "x", false},  {"vmrb", "x", false},      {"Myta", "Finder", false}, {"Myta", "FINDER", false},
                 {"Myta", "", false},   {"Myta", "Finder2", true}, {"", "Ohne Code", true},   {"VMR", "x", true}};
    for (const auto &c : cases)
        EXPECT_EQ(isAcceptableTarget(QString::fromUtf8(c.creator), QString::fromUtf8(c.name)), c.acceptable)
            << c.creator << " / " << c.name;
}

// The rule of the shipped scripts, which need no display for it.
TEST(TargetRules, CreatorCodesComeFromTheTableOrTheFirstFourCharacters)
{
    setProgramFolder(qEnvironmentVariable("VM_BIN_DIR"));
    const struct
    {
        const char *name;
        const char *creator;
    } cases[] = {{"Velmora", "VMRg"},          {"VM Companion", "VMRb"}, {"vm-companion", "VMRb"},
                 {"libreoffice-writer", "MSWD"}, {"Soffice", "MSWD"},      {"Zeugnisschreiber", "Zeug"},
                 {"Ärger", "Ärge"},            {"vi", "vi  "},           {"a b*c", "a b*"}, {"", ""}};
    for (const auto &c : cases)
        EXPECT_EQ(getCreatorToProcName({QString::fromUtf8(c.name)}), QString::fromUtf8(c.creator)) << c.name;
    setProgramFolder(QString());
}

namespace {
QString writeEntry(const QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
    return path;
}
} // namespace

TEST(TargetChooserItems, NameTheApplicationAsItsWindowsAreFound)
{
    QTemporaryDir dir;
    EXPECT_EQ(targetNameOfApplicationItem(writeEntry(dir, QStringLiteral("writer.desktop"),
                                                     "[Desktop Entry]\nName=Textverarbeitung\n"
                                                     "Exec=/usr/bin/soffice --writer %U\n"
                                                     "StartupWMClass=libreoffice-writer\n")),
              QStringLiteral("libreoffice-writer"));
    EXPECT_EQ(targetNameOfApplicationItem(writeEntry(dir, QStringLiteral("edit.desktop"),
                                                     "# comment\n[Desktop Entry]\nName=Editor\n"
                                                     "Exec=env LANG=de_DE.UTF-8 \"/opt/bin/mousepad\" %F\n"
                                                     "[Desktop Action new]\nStartupWMClass=Falsch\n")),
              QStringLiteral("mousepad"));
    EXPECT_EQ(targetNameOfApplicationItem(writeEntry(dir, QStringLiteral("quoted.desktop"),
                                                     "[Desktop Entry]\nName=Editor\n"
                                                     "Exec=\"/opt/Mein Editor/editor\" --neu %F\n")),
              QStringLiteral("editor"));
    EXPECT_EQ(targetNameOfApplicationItem(
                  writeEntry(dir, QStringLiteral("named.desktop"), "[Desktop Entry]\nName=Nur ein Name\n")),
              QStringLiteral("Nur ein Name"));
    EXPECT_EQ(targetNameOfApplicationItem(writeEntry(dir, QStringLiteral("leer.desktop"), "garbage\x01\x02")),
              QStringLiteral("leer"));
    // An executable is known by its file name.
    EXPECT_EQ(targetNameOfApplicationItem(writeEntry(dir, QStringLiteral("abiword"), "#!/bin/sh\n")),
              QStringLiteral("abiword"));
    EXPECT_EQ(targetNameOfApplicationItem(dir.filePath(QStringLiteral("fehlt.desktop"))), QStringLiteral("fehlt"));
}
