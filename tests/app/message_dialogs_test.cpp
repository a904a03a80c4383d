#include "app/App.h"
#include "app/MessageDialogs.h"
#include "framework/Controls.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "support/UrlRecorder.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// What a message dialog showed before it was closed with its default button.
struct Shown
{
    QString kind, title, header, text, button;
    QSize size;
};

Shown showAndClose(const std::function<void()> &show)
{
    Shown shown;
    whenModal([&shown](QWidget *w) {
        auto *d = qobject_cast<OKDialog *>(w);
        ASSERT_TRUE(d);
        shown = {QString::fromUtf8(d->metaObject()->className()), d->windowTitle(), d->HeaderText->text(),
                 d->SubText->text(), d->OKButton->text(), d->size()};
        QTest::keyClick(d, Qt::Key_Return);
    });
    show();
    return shown;
}

class MessageDialogs : public ::testing::Test
{
protected:
    TempConfigHome home;
    App application;
};
} // namespace

TEST_F(MessageDialogs, TextsSizesAndTheDefaultButton)
{
    Shown shown = showAndClose(
        [this] { application.ShowOKDialog(QStringLiteral("Kopf"), QStringLiteral("Der Text"), QString()); });
    EXPECT_EQ(shown.kind, QStringLiteral("OKDialog"));
    EXPECT_EQ(shown.title, QStringLiteral("Velmora"));
    EXPECT_EQ(shown.header, QStringLiteral("Kopf"));
    EXPECT_EQ(shown.text, QStringLiteral("Der Text"));
    EXPECT_EQ(shown.button, QStringLiteral("OK")) << "OK unless a caption is given";
    EXPECT_EQ(shown.size, QSize(393, 138));

    shown = showAndClose(
        [this] { application.ShowOKDialog(QString(), QString(2000, u'x'), QStringLiteral("Weiter")); });
    EXPECT_EQ(shown.button, QStringLiteral("Weiter"));
    EXPECT_EQ(shown.size, QSize(393, 138)) << "a long text does not make the dialog grow";

    shown = showAndClose([this] {
        application.ShowOKSheetDialog(QStringLiteral("Nummer ungültig!"), QStringLiteral("Text"), QString());
    });
    EXPECT_EQ(shown.kind, QStringLiteral("OKSheetDialog"));
    EXPECT_EQ(shown.header, QStringLiteral("Nummer ungültig!"));
    EXPECT_EQ(shown.size, QSize(408, 165));
}

TEST_F(MessageDialogs, LinkButtonOpensTheWebSiteAndLeavesTheDialogOpen)
{
    UrlRecorder recorder;
    bool stillOpen = false;
    QRect linkPlace;
    QRect okPlace;
    whenModal([&](QWidget *w) {
        auto *d = static_cast<OKDialog *>(w);
        d->BevelButton1->click();
        stillOpen = d->isVisible();
        // Resized, the link stays where it was and "OK" keeps to the bottom right.
        d->resize(493, 238);
        QCoreApplication::processEvents();
        linkPlace = d->BevelButton1->geometry();
        okPlace = d->OKButton->geometry();
        d->OKButton->click();
    });
    application.ShowOKDialog(QStringLiteral("Kopf"), QStringLiteral("Text"), QString());
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(linkPlace, QRect(20, 103, 211, 22));
    EXPECT_EQ(okPlace, QRect(351, 203, 127, 22));
    ASSERT_EQ(recorder.urls.size(), 1);
    EXPECT_EQ(recorder.urls.first().path(), QStringLiteral("/home.cgi"));
    EXPECT_EQ(recorder.urls.first().query(), QStringLiteral("url=/products/velmo/"));
}
