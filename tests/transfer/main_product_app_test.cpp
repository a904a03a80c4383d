// The application's requests to the main product, against the stand-in main
// product on the test's session bus, and without it.
#include "app/App.h"
#include "framework/Folders.h"
#include "main_product_support.h"
#include "support/GuiTestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using ShownMessages = std::shared_ptr<QStringList>;

// Answers the next count modal messages with "OK", recording each as its kind
// ("MsgBox" for the plain message box, "OKDialog" for the message dialog) and text.
void answerMessages(const ShownMessages &seen, int count)
{
    whenModal([seen, count](QWidget *dialog) {
        *seen << dialog->objectName() + QStringLiteral(": ") + dialogText(dialog);
        if (count > 1)
            answerMessages(seen, count - 1);
        clickButton(dialog, QStringLiteral("OK"));
    });
}

ShownMessages expectMessages(int count)
{
    auto seen = std::make_shared<QStringList>();
    answerMessages(seen, count);
    return seen;
}

const QString kVMRg = QStringLiteral("VMRg");
const QString kGetS = QStringLiteral("GetS");
const QString kNotRunning = QStringLiteral(
    "OKDialog: Velmora nicht gefunden\nBitte starten Sie zuerst den Velmora und danach den VM Companion");
const QString kNotSentBox = QStringLiteral("MsgBox: The AppleEvent could not be sent.");
const QString kMsgBox = QStringLiteral("MsgBox: ");

class MainProductRequests : public ::testing::Test
{
protected:
    App m_app;
};

} // namespace

TEST_F(MainProductRequests, CategoriesOneByOneUntilAnEmptyReply)
{
    StandInMainProduct peer({QStringLiteral("Arbeitsverhalten"), QStringLiteral("Sozialverhalten"), QString(),
                             QStringLiteral("nie gefragt")});
    ASSERT_TRUE(peer.isReady());
    m_app.pVMCategories = QStringLiteral("Vorher");
    auto seen = expectMessages(1);

    EXPECT_EQ(m_app.GetCategoriesFromVM4(), 0);

    const QString expected = QStringLiteral("Vorher\nArbeitsverhalten\nSozialverhalten\n");
    EXPECT_EQ(m_app.pVMCategories, expected);
    EXPECT_EQ(peer.events(), QStringList({eventLine(kVMRg, kGetS, QStringLiteral("i:1")),
                                          eventLine(kVMRg, kGetS, QStringLiteral("i:2")),
                                          eventLine(kVMRg, kGetS, QStringLiteral("i:3"))}));
    EXPECT_EQ(*seen, QStringList{kMsgBox + expected});
}

TEST_F(MainProductRequests, CategoriesOneByOneStopAtAFailedSendAndStillShowTheList)
{
    StandInMainProduct peer({QStringLiteral("Arbeitsverhalten"), QStringLiteral("!error"), QStringLiteral("danach")});
    ASSERT_TRUE(peer.isReady());
    auto seen = expectMessages(2);

    EXPECT_EQ(m_app.GetCategoriesFromVM4(), 0);

    EXPECT_EQ(m_app.pVMCategories, QStringLiteral("\nArbeitsverhalten"));
    EXPECT_EQ(peer.events().size(), 2);
    EXPECT_EQ(*seen, (QStringList{kNotSentBox, kMsgBox + m_app.pVMCategories}));
}

TEST_F(MainProductRequests, CategoriesAtOnceReplaceTheList)
{
    StandInMainProduct peer({QStringLiteral("Arbeitsverhalten\\nSozialverhalten")});
    ASSERT_TRUE(peer.isReady());
    m_app.pVMCategories = QStringLiteral("Vorher");

    EXPECT_EQ(m_app.GetCategoriesFromVM5(), 0);

    EXPECT_EQ(m_app.pVMCategories, QStringLiteral("Arbeitsverhalten\nSozialverhalten"));
    EXPECT_EQ(peer.events(), QStringList({eventLine(kVMRg, kGetS)}));
}

TEST_F(MainProductRequests, SentencesOfACategoryAskWithCategoryCommaNumber)
{
    StandInMainProduct peer({QStringLiteral("Er arbeitet sorgfältig.\\nEr arbeitet zügig."), QString()});
    ASSERT_TRUE(peer.isReady());

    EXPECT_EQ(m_app.VM5_GetSentences2Category(QStringLiteral("Arbeitsverhalten"), 3),
              QStringLiteral("Er arbeitet sorgfältig.\nEr arbeitet zügig."));
    // An empty answer is no failure: no message.
    EXPECT_EQ(m_app.VM5_GetSentences2Category(QStringLiteral("Lern- und Arbeitsverhalten"), -1), QString());

    EXPECT_EQ(peer.events(),
              QStringList({eventLine(kVMRg, kGetS, QStringLiteral("s:Arbeitsverhalten,3")),
                           eventLine(kVMRg, kGetS, QStringLiteral("s:Lern- und Arbeitsverhalten,-1"))}));
}

TEST_F(MainProductRequests, ProgramPartSwitchAndQuery)
{
    StandInMainProduct peer({QString(), QStringLiteral("Programmteil nicht verfügbar"), QStringLiteral("!none"),
                             QStringLiteral("Zeugnisse")});
    ASSERT_TRUE(peer.isReady());

    EXPECT_EQ(m_app.VM5SwitchProgPart(2), 0);
    EXPECT_EQ(m_app.VM5SwitchProgPart(7), -2);
    // No text in the answer counts as done.
    EXPECT_EQ(m_app.VM5SwitchProgPart(0), 0);

    QString part = QStringLiteral("alt");
    EXPECT_EQ(m_app.VMGetProgPart(part), 0);
    EXPECT_EQ(part, QStringLiteral("Zeugnisse"));

    EXPECT_EQ(peer.events(), QStringList({eventLine(kVMRg, QStringLiteral("SwiL"), QStringLiteral("s:2")),
                                          eventLine(kVMRg, QStringLiteral("SwiL"), QStringLiteral("s:7")),
                                          eventLine(kVMRg, QStringLiteral("SwiL"), QStringLiteral("s:0")),
                                          eventLine(kVMRg, QStringLiteral("GtPt"))}));
}

TEST_F(MainProductRequests, SimpleEventsGoToTheGivenTargetWithoutDirectObject)
{
    StandInMainProduct peer({QStringLiteral("Antwort")}, QStringLiteral("ABCD"));
    ASSERT_TRUE(peer.isReady());

    QString reply = QStringLiteral("alt");
    EXPECT_EQ(m_app.SendSimpleAE(QStringLiteral("misc"), QStringLiteral("dosc"), QStringLiteral("ABCD"), reply), 0);
    EXPECT_EQ(reply, QStringLiteral("Antwort"));
    EXPECT_EQ(m_app.SendSimpleAE(QStringLiteral("misc"), QStringLiteral("dosc"), kVMRg, reply), -1);
    EXPECT_EQ(reply, QString());
    EXPECT_EQ(peer.events(), QStringList({eventLine(QStringLiteral("misc"), QStringLiteral("dosc"))}));
}

TEST_F(MainProductRequests, WithoutTheMainProductEveryRequestReportsNotSent)
{
    QString reply = QStringLiteral("alt");
    EXPECT_EQ(m_app.SendSimpleAE(kVMRg, kGetS, kVMRg, reply), -1);
    EXPECT_EQ(reply, QString());

    m_app.pVMCategories = QStringLiteral("Vorher");
    EXPECT_EQ(m_app.GetCategoriesFromVM5(), -1);
    EXPECT_EQ(m_app.pVMCategories, QString());

    m_app.pVMCategories = QStringLiteral("Vorher");
    auto listMessages = expectMessages(2);
    EXPECT_EQ(m_app.GetCategoriesFromVM4(), 0);
    EXPECT_EQ(m_app.pVMCategories, QStringLiteral("Vorher"));
    EXPECT_EQ(*listMessages, (QStringList{kNotSentBox, kMsgBox + QStringLiteral("Vorher")}));

    auto sentenceMessages = expectMessages(1);
    EXPECT_EQ(m_app.VM5_GetSentences2Category(QStringLiteral("Arbeitsverhalten"), 3), QString());
    EXPECT_EQ(*sentenceMessages, QStringList{kNotRunning});

    auto switchMessages = expectMessages(1);
    EXPECT_EQ(m_app.VM5SwitchProgPart(2), -1);
    EXPECT_EQ(*switchMessages, QStringList{kNotRunning});

    QString part = QStringLiteral("alt");
    EXPECT_EQ(m_app.VMGetProgPart(part), -1);
    EXPECT_EQ(part, QStringLiteral("alt"));
}

TEST_F(MainProductRequests, LaunchStartsTheItemInTheProgramFolder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    setProgramFolder(folder.path());
    const QString marker = folder.filePath(QStringLiteral("gestartet"));
    {
        QFile item(folder.filePath(QStringLiteral("Velmora 9")));
        ASSERT_TRUE(item.open(QIODevice::WriteOnly));
        item.write("#!/bin/sh\ntouch \"$(dirname \"$0\")/gestartet\"\n");
        item.close();
        item.setPermissions(item.permissions() | QFileDevice::ExeOwner);
    }

    EXPECT_EQ(m_app.LaunchVM(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 10000));

    // A missing item starts nothing and is no failure.
    QFile::remove(folder.filePath(QStringLiteral("Velmora 9")));
    QFile::remove(marker);
    EXPECT_EQ(m_app.LaunchVM(), 0);
    setProgramFolder(QString());
}
