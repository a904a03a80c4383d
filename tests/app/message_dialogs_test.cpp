#include "app/App.h"
#include "app/MessageDialogs.h"
#include "framework/Controls.h"
#include "support/GuiTestSupport.h"
#include "support/UrlRecorder.h"
#include "support/TestSupport.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>


TEST(MessageDialogs, ShowOKDialogShowsTextsAndOKUnlessACaptionIsGiven)
{
    TempConfigHome home;
    App application;
    QString header, text, button;
    bool sawDialog = false;
    whenModal([&](QWidget *w) {
        auto *d = qobject_cast<OKDialog *>(w);
        ASSERT_TRUE(d);
        sawDialog = true;
        header = d->HeaderText->text();
        text = d->SubText->text();
        button = d->OKButton->text();
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Velmora"));
        EXPECT_EQ(d->size(), QSize(393, 138));
        QTest::keyClick(d, Qt::Key_Return); // the default button
    });
    application.ShowOKDialog(QStringLiteral("Kopf"), QStringLiteral("Der Text"), QString());
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(header, QStringLiteral("Kopf"));
    EXPECT_EQ(text, QStringLiteral("Der Text"));
    EXPECT_EQ(button, QStringLiteral("OK"));

    whenModal([&](QWidget *w) {
        button = static_cast<OKDialog *>(w)->OKButton->text();
        clickButton(w, QStringLiteral("OKButton"));
    });
    application.ShowOKDialog(QString(), QString(), QStringLiteral("Weiter"));
    EXPECT_EQ(button, QStringLiteral("Weiter"));
}

TEST(MessageDialogs, LinkButtonOpensTheWebSiteAndLeavesTheDialogOpen)
{
    TempConfigHome home;
    App application;
    UrlRecorder recorder;
    bool stillOpen = false;
    QSize sizeWithLongText;
    QRect linkPlace;
    QRect okPlace;
    whenModal([&](QWidget *w) {
        auto *d = static_cast<OKDialog *>(w);
        sizeWithLongText = d->size();
        d->BevelButton1->click();
        stillOpen = d->isVisible();
        // Resized, the link stays where it was and "OK" keeps to the bottom right.
        d->resize(493, 238);
        QCoreApplication::processEvents();
        linkPlace = d->BevelButton1->geometry();
        okPlace = d->OKButton->geometry();
        d->OKButton->click();
    });
    application.ShowOKDialog(QStringLiteral("Kopf"), QString(2000, u'x'), QString());
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(sizeWithLongText, QSize(393, 138)) << "a long text does not make the dialog grow";
    EXPECT_EQ(linkPlace, QRect(20, 103, 211, 22));
    EXPECT_EQ(okPlace, QRect(351, 203, 127, 22));
    ASSERT_EQ(recorder.urls.size(), 1);
    EXPECT_EQ(recorder.urls.first().path(), QStringLiteral("/home.cgi"));
    EXPECT_EQ(recorder.urls.first().query(), QStringLiteral("url=/products/velmo/"));
}

TEST(MessageDialogs, SheetDialogWaitsUntilClosed)
{
    TempConfigHome home;
    App application;
    QString header;
    QSize size;
    whenModal([&](QWidget *w) {
        auto *d = qobject_cast<OKSheetDialog *>(w);
        ASSERT_TRUE(d);
        header = d->HeaderText->text();
        size = d->size();
        d->OKButton->click();
    });
    application.ShowOKSheetDialog(QStringLiteral("Nummer ungültig!"), QStringLiteral("Text"), QString());
    EXPECT_EQ(header, QStringLiteral("Nummer ungültig!"));
    EXPECT_EQ(size, QSize(408, 165));
}

