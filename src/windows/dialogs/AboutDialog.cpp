#include "AboutDialog.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/Pictures.h"
#include "framework/Strings.h"

#include <QEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

AboutDialog::AboutDialog()
{
    setObjectName(QStringLiteral("AboutDialog"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Über dieses Programm..."));
    setFixedSize(484, 238);
    if (!about_bg_kdl().isNull()) {
        QPalette backdrop = palette();
        backdrop.setBrush(QPalette::Window, QBrush(about_bg_kdl()));
        setPalette(backdrop);
        setAutoFillBackground(true);
    }

    Canvas1 = new QLabel(this);
    Canvas1->setObjectName(QStringLiteral("Canvas1"));
    Canvas1->setGeometry(74, 110, 353, 46);
    Canvas1->setPixmap(Vm9Schriftzug());

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(194, 177, 113, 22);
    OKButton->setDefault(true);
    QFont systemFont = OKButton->font();
    systemFont.setPointSize(12);
    OKButton->setFont(systemFont);

    QFont geneva(QStringLiteral("Geneva"));
    geneva.setPointSize(9);

    StaticText2 = new QLabel(QStringLiteral("Velmora 9 Satzbausteine wurde von Kelmarin Software entwickelt."), this);
    StaticText2->setObjectName(QStringLiteral("StaticText2"));
    StaticText2->setGeometry(21, 143, 473, 36);
    // Its box reaches up under the lettering and down to the button: the line
    // sits in the middle, clear of both.
    StaticText2->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    StaticText2->setWordWrap(true);
    StaticText2->setFont(geneva);

    BevelButton1 = new BevelButton(this);
    BevelButton1->setObjectName(QStringLiteral("BevelButton1"));
    BevelButton1->setCaption(QStringLiteral("Kelmarin Software im Internet: www.kelmarin.de"));
    BevelButton1->setGeometry(-2, 217, 486, 22);
    BevelButton1->setAutoRaise(true);
    BevelButton1->setFocusPolicy(Qt::NoFocus);
    QFont link = geneva;
    link.setUnderline(true);
    link.setBold(false);
    BevelButton1->setFont(link);
    BevelButton1->installEventFilter(this);

    VersionInfoText = new QLabel(QStringLiteral("-"), this);
    VersionInfoText->setObjectName(QStringLiteral("VersionInfoText"));
    VersionInfoText->setGeometry(346, 191, 125, 18);
    VersionInfoText->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont versionFont = VersionInfoText->font();
    versionFont.setPointSize(10);
    VersionInfoText->setFont(versionFont);

    connect(OKButton, &QPushButton::clicked, this, &AboutDialog::OKButton_Action);
    connect(BevelButton1, &BevelButton::action, this, &AboutDialog::BevelButton1_Action);

    Open();
}

QString AboutDialog::versionText(const QString &shortVersion, int buildNumber)
{
    return shortVersion + QStringLiteral(" Build ") + Format(buildNumber, QStringLiteral("###"));
}

void AboutDialog::Open()
{
    if (!hasApp() || !app().pVersionInfo)
        return;
    // The build number is the application's own, the one it was built with.
    VersionInfoText->setText(versionText(app().pVersionInfo->pShortVersion, VM_NONRELEASE_VERSION));
}

void AboutDialog::showEvent(QShowEvent *event)
{
    // The default instance is made before start-up has read the version; so
    // that the first about box shows it too, a box still showing "-" reads it now.
    if (VersionInfoText->text() == QStringLiteral("-"))
        Open();
    QDialog::showEvent(event);
}

bool AboutDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == BevelButton1) {
        if (event->type() == QEvent::Enter)
            BevelButton1_MouseEnter();
        else if (event->type() == QEvent::Leave)
            BevelButton1_MouseExit();
    }
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::OKButton_Action()
{
    close();
}

void AboutDialog::BevelButton1_MouseEnter()
{
    setLinkBold(true);
}

void AboutDialog::BevelButton1_MouseExit()
{
    setLinkBold(false);
}

void AboutDialog::setLinkBold(bool bold)
{
    QFont link = BevelButton1->font();
    link.setBold(bold);
    BevelButton1->setFont(link);
}

void AboutDialog::BevelButton1_Action()
{
    app().ShowKDLhomepage();
}
