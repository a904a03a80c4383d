#include "UpdateCheckDialog.h"

#include "app/App.h"
#include "app/MessageDialogs.h"
#include "app/MakerWebSite.h"
#include "framework/Controls.h"
#include "framework/Pictures.h"
#include "framework/Strings.h"
#include "update/UpdateFeed.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

namespace {
QLabel *staticText(QWidget *parent, const char *name, const QString &text, const QRect &rect)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(rect);
    return label;
}

QPushButton *pushButton(QWidget *parent, const char *name, const QString &caption, const QRect &rect)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(rect);
    // Neither button answers Return.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}
} // namespace

UpdateCheckDialog::UpdateCheckDialog()
{
    setObjectName(QStringLiteral("UpdateCheckDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Aktualisierungen"));
    setFixedSize(486, 224);

    DownloadButton = pushButton(this, "DownloadButton", QStringLiteral("Download"), {356, 77, 110, 22});
    StaticText1 = staticText(this, "StaticText1", QStringLiteral("Ihre Version:"), {79, 47, 100, 20});
    StaticText2 = staticText(this, "StaticText2", QStringLiteral("Neueste Version:"), {79, 79, 119, 20});
    AppVersionText = staticText(this, "AppVersionText", QStringLiteral("-"), {210, 47, 100, 20});
    LatestVersionText = staticText(this, "LatestVersionText", QStringLiteral("-"), {210, 79, 100, 20});
    // The server's text is shown as it stands, character for character, never as markup.
    LatestVersionText->setTextFormat(Qt::PlainText);
    MessageText = staticText(this, "MessageText", QStringLiteral("-"), {79, 111, 387, 63});
    MessageText->setWordWrap(true);
    MessageText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Its three lines have to fit the box: the size counts in pixels, as the layout does.
    QFont messageFont = MessageText->font();
    messageFont.setPixelSize(11);
    MessageText->setFont(messageFont);
    CloseWindowButton = pushButton(this, "CloseWindowButton", QStringLiteral("Schließen"), {356, 182, 110, 22});

    Canvas1 = new QLabel(this);
    Canvas1->setObjectName(QStringLiteral("Canvas1"));
    Canvas1->setGeometry(20, 15, 37, 35);
    Canvas1->setPixmap(vmicon());

    StaticText3 = staticText(this, "StaticText3", QStringLiteral("Velmora Aktualisierungen:"), {79, 15, 387, 20});

    auto *separator = new QFrame(this);
    separator->setObjectName(QStringLiteral("Separator1"));
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(79, 38, 387, 3);

    BevelButton1 = makeMakerLinkButton(this);
    BevelButton1->setGeometry(79, 182, 211, 22);

    connect(DownloadButton, &QPushButton::clicked, this, &UpdateCheckDialog::DownloadButton_Action);
    connect(CloseWindowButton, &QPushButton::clicked, this, &UpdateCheckDialog::CloseWindowButton_Action);
    connect(BevelButton1, &BevelButton::action, this, &UpdateCheckDialog::BevelButton1_Action);
}

void UpdateCheckDialog::SetContent(const VersionInfo &latest, const VersionInfo &updateFrom,
                                   const VersionInfo &current, const QString &url)
{
    const QString latestKey = versionKey(latest);
    const QString updateFromKey = versionKey(updateFrom);
    const QString currentKey = versionKey(current);

    const bool hasAppVersion = hasApp() && app().pVersionInfo;
    AppVersionText->setText(hasAppVersion ? app().pVersionInfo->pShortVersion : current.pShortVersion);
    LatestVersionText->setText(latest.pShortVersion);

    QString message;
    if (compareVersionKeys(latestKey, currentKey) <= 0) {
        message = QStringLiteral("Keine Aktualisierungen verfügbar.") + EndOfLine();
        pDownloadURL.clear();
    } else {
        message = QStringLiteral("Es steht eine aktualisierte Version zur Verfügung!") + EndOfLine();
        if (compareVersionKeys(currentKey, updateFromKey) < 0) {
            message += QStringLiteral("Bestellen Sie Ihr Update über ") + makerHost();
            pDownloadURL.clear();
        } else if (!UpdateFeed::isWebAddress(url)) {
            // No address, or one that is no web address: nothing to download.
            pDownloadURL.clear();
        } else {
            pDownloadURL = url;
            message += QStringLiteral("Klicken Sie auf \"Download\" um die neueste Version auf Ihren Computer "
                                      "herunterzuladen.")
                       + EndOfLine() + QStringLiteral("Diese neue Version ist kostenlos für Lizenzinhaber. ");
        }
    }
    MessageText->setText(message);

    const bool offered = !pDownloadURL.isEmpty();
    DownloadButton->setEnabled(offered);
    DownloadButton->setVisible(offered);
}

void UpdateCheckDialog::DownloadButton_Action()
{
    QDesktopServices::openUrl(QUrl(pDownloadURL.trimmed()));
}

void UpdateCheckDialog::CloseWindowButton_Action()
{
    close();
}

void UpdateCheckDialog::BevelButton1_Action()
{
    app().ShowKDLhomepage();
}
