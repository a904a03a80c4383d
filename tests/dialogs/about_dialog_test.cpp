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

TEST_F(AboutDialogTest, ShowsTheProgramsVersionInTheGivenForm)
{
    application.pVersionInfo = std::make_unique<VersionInfo>();
    AboutDialog *about = implicitInstance<AboutDialog>();
    about->show();
    const QString text = about->VersionInfoText->text();
    EXPECT_EQ(text, QStringLiteral(VM_SHORT_VERSION " Build ") + QString::number(VM_NONRELEASE_VERSION));
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+ Build [1-9]\\d*$")).match(text).hasMatch())
        << text.toStdString();
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Über dieses Programm..."));
    EXPECT_EQ(about->size(), QSize(484, 238));
    EXPECT_TRUE(about->OKButton->isDefault());
    closeAndDispose(about);
    EXPECT_EQ(existingInstance<AboutDialog>(), nullptr);
}

TEST_F(AboutDialogTest, TheDefaultInstanceMadeBeforeStartUpShowsTheVersionToo)
{
    // As at start-up: the box is made hidden before the version is read; without
    // a version record the text stays a dash.
    application.pVersionInfo.reset();
    AboutDialog *about = implicitInstance<AboutDialog>();
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(about->VersionInfoText->text(), QStringLiteral("-"));

    application.pVersionInfo = std::make_unique<VersionInfo>(QStringLiteral("9.0.3 lang"), QStringLiteral("9"),
                                                              QStringLiteral("0"), QStringLiteral("3"),
                                                              QStringLiteral("9.0.3"));
    about->show();
    EXPECT_EQ(about->VersionInfoText->text(), QStringLiteral("9.0.3 Build ") + QString::number(VM_NONRELEASE_VERSION));
    closeAndDispose(about);

    // The next about command makes a fresh box with the same text.
    AboutDialog *again = implicitInstance<AboutDialog>();
    EXPECT_NE(again, nullptr);
    again->show();
    EXPECT_EQ(again->VersionInfoText->text(), QStringLiteral("9.0.3 Build ") + QString::number(VM_NONRELEASE_VERSION));
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
