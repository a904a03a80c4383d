// The about box: the version text, the link button and its instance.
#include "support/UrlRecorder.h"

#include "app/App.h"
#include "app/MakerWebSite.h"
#include "framework/Controls.h"
#include "framework/ImplicitInstance.h"
#include "support/TestSupport.h"
#include "windows/dialogs/AboutDialog.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

namespace {

void closeAndDispose(AboutDialog *about)
{
    QTest::mouseClick(about->OKButton, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class AboutDialogTest : public ::testing::Test
{
protected:
    TempConfigHome home;
    App application;
};

} // namespace

TEST_F(AboutDialogTest, ShowsTheProgramsVersionInTheGivenFormAlsoWhenMadeBeforeStartUp)
{
    // As at start-up: the box is made hidden before the version is read; without
    // a version record the text stays a dash.
    application.pVersionInfo.reset();
    AboutDialog *about = implicitInstance<AboutDialog>();
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(about->VersionInfoText->text(), QStringLiteral("-"));

    application.pVersionInfo = std::make_unique<VersionInfo>();
    about->show();
    const QString text = about->VersionInfoText->text();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+ Build [1-9]\\d*$")).match(text).hasMatch())
        << text.toStdString();
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Über dieses Programm..."));
    EXPECT_EQ(about->size(), QSize(484, 238));
    EXPECT_TRUE(about->OKButton->isDefault());
    closeAndDispose(about);
    EXPECT_EQ(existingInstance<AboutDialog>(), nullptr);

    // The next about command makes a fresh box with the same text.
    AboutDialog *again = implicitInstance<AboutDialog>();
    again->show();
    EXPECT_EQ(again->VersionInfoText->text(), text);
    closeAndDispose(again);
}

TEST_F(AboutDialogTest, TheLinkTurnsBoldUnderThePointerAndOpensTheWebSite)
{
    application.pVersionInfo = std::make_unique<VersionInfo>();
    UrlRecorder browser;
    AboutDialog about;
    about.show();
    BevelButton *link = about.BevelButton1;
    EXPECT_FALSE(link->font().bold());
    EXPECT_TRUE(link->font().underline());

    const QPointF inside(10, 10);
    QEnterEvent enter(inside, inside, link->mapToGlobal(inside));
    QApplication::sendEvent(link, &enter);
    EXPECT_TRUE(link->font().bold());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_FALSE(link->font().bold());
    EXPECT_TRUE(link->font().underline());

    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(browser.urls.size(), 1);
    EXPECT_EQ(browser.urls.first(), QUrl(makerHomePageUrl()));
    EXPECT_TRUE(about.isVisible());
}
