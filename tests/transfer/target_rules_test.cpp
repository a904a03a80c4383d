#include "framework/Folders.h"
#include "support/TestSupport.h"
#include "transfer/ScriptOperations.h"
#include "transfer/TargetRules.h"
#include "transfer/TransferRoute.h"


#include <gtest/gtest.h>

TEST(TargetRules, RouteByCreatorAndConnection)
{
    using R = TransferRoute;
    const struct
    {
        const char *creator;
        const char *connection;
        R route;
    } cases[] = {{"MSWD", "ConectCustom", R::InsertMSWD},   {"C#+A", "ConectCustom", R::InsertOther},
                 {"BOBO", "ConectCustom", R::PasteGeneric}, {"Mytx", "ConectCustom", R::PasteGeneric},
                 {"MSWD", "ConnectGeneric", R::PasteMSWD},  {"C#+A", "ConnectGeneric", R::PasteGeneric},
                 {"MSWD", "ConnectCustom", R::PasteMSWD},   {"RBv2", "ConectCustom", R::Nothing},
                 {"rbv2", "ConnectGeneric", R::Nothing},    {"c#+a", "CONECTCUSTOM", R::InsertOther}};
    for (const auto &c : cases)
        EXPECT_EQ(chooseTransferRoute(QString::fromUtf8(c.creator), [&] { return QString::fromUtf8(c.connection); }),
                  c.route)
            << c.creator;
    int asked = 0;
    for (const char *creator : {"Mytx", "RBv2", "BOBO"})
        chooseTransferRoute(QString::fromUtf8(creator), [&] { return QString::number(++asked); });
    EXPECT_EQ(asked, 1) << "only a creator with a route of its own asks for the connection";
}

TEST(TargetRules, ExcludeTheMainProductThisProgramAndTheFinder)
{
    const struct
    {
        const char *creator;
        const char *name;
        bool acceptable;
    } cases[] = {{"VMRg", "x", false},  {"vmrb", "x", false},      {"Myta", "FINDER", false},
                 {"Myta", "", false},   {"Myta", "Finder2", true}, {"", "Ohne Code", true}};
    for (const auto &c : cases)
        EXPECT_EQ(isAcceptableTarget(QString::fromUtf8(c.creator), QString::fromUtf8(c.name)), c.acceptable)
            << c.creator << " / " << c.name;
}

// The rule of the shipped scripts, which need no display for it.
TEST(TargetRules, CreatorCodesComeFromTheTableOrTheFirstFourCharacters)
{
    setProgramFolder(qEnvironmentVariable("VM_BIN_DIR"));
    const char *cases[][2] = {{"Velmora", "VMRg"},         {"VM Companion", "VMRb"}, {"libreoffice-writer", "MSWD"},
                              {"Soffice", "MSWD"},         {"Ärger", "Ärge"},        {"vi", "vi  "},
                              {"a b*c", "a b*"},           {"", ""}};
    for (const auto &c : cases)
        EXPECT_EQ(getCreatorToProcName({QString::fromUtf8(c[0])}), QString::fromUtf8(c[1])) << c[0];
    setProgramFolder(QString());
}

TEST(TargetRules, ChooserItemsNameTheApplicationAsItsWindowsAreFound)
{
    QTemporaryDir dir;
    const char *cases[][3] = {
        {"writer.desktop", "[Desktop Entry]\nExec=soffice --writer\nStartupWMClass=libreoffice-writer\n",
         "libreoffice-writer"},
        {"edit.desktop", "[Desktop Entry]\nName=Editor\nExec=env LANG=de \"/opt/bin/mousepad\" %F\n"
                         "[Desktop Action new]\nStartupWMClass=Falsch\n", "mousepad"},
        {"quoted.desktop", "[Desktop Entry]\nExec=\"/opt/Mein Editor/editor\" --neu %F\n", "editor"},
        {"named.desktop", "[Desktop Entry]\nName=Nur ein Name\n", "Nur ein Name"},
        {"leer.desktop", "garbage\x01", "leer"},
        {"abiword", "#!/bin/sh\n", "abiword"}};
    for (const auto &c : cases) {
        writeBytes(dir.filePath(QString::fromUtf8(c[0])), c[1]);
        EXPECT_EQ(targetNameOfApplicationItem(dir.filePath(QString::fromUtf8(c[0]))), QString::fromUtf8(c[2])) << c[0];
    }
}
