#include "MessageDialogs.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/EdgeLocks.h"
#include "framework/Pictures.h"
#include "app/MakerWebSite.h"

#include <QLabel>
#include <QPushButton>

BevelButton *makeMakerLinkButton(QWidget *parent)
{
    auto *button = new BevelButton(parent);
    button->setObjectName(QStringLiteral("BevelButton1"));
    button->setCaption(makerHost());
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    QFont linkFont = button->font();
    linkFont.setPointSize(10);
    button->setFont(linkFont);
    return button;
}

OKDialog::OKDialog(QWidget *parent)
    : OKDialog(false, parent)
{
}

OKDialog::OKDialog(bool sheet, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(sheet ? QStringLiteral("OKSheetDialog") : QStringLiteral("OKDialog"));
    setWindowTitle(QStringLiteral("Velmora"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    layOut(sheet);
}

void OKDialog::layOut(bool sheet)
{
    if (sheet) {
        setFixedSize(408, 165);
    } else {
        resize(393, 138);
        setMinimumSize(64, 64);
        setMaximumSize(32000, 32000);
    }
    auto *locks = new EdgeLocks(this);
    const auto at = [sheet](QRect dialog, QRect sheetRect) { return sheet ? sheetRect : dialog; };

    HeaderText = new QLabel(QStringLiteral("Überschrift"), this);
    HeaderText->setObjectName(QStringLiteral("HeaderText"));
    locks->place(HeaderText, at({69, 13, 309, 18}, {82, 26, 299, 18}),
                 Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);

    SubText = new QLabel(QStringLiteral("Meldungstext"), this);
    SubText->setObjectName(QStringLiteral("SubText"));
    SubText->setWordWrap(true);
    SubText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont subFont(QStringLiteral("Geneva"));
    subFont.setPointSize(10);
    SubText->setFont(subFont);
    locks->place(SubText, at({69, 36, 309, 55}, {82, 56, 299, 55}),
                 Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    locks->place(OKButton, at({251, 103, 127, 22}, {261, 123, 127, 22}),
                 sheet ? Qt::Edges(Qt::BottomEdge) : Qt::Edges(Qt::RightEdge | Qt::BottomEdge));
    connect(OKButton, &QPushButton::clicked, this, &OKDialog::OKButton_Action);

    Canvas1 = new QLabel(this);
    Canvas1->setObjectName(QStringLiteral("Canvas1"));
    Canvas1->setPixmap(vmicon());
    locks->place(Canvas1, at({20, 13, 37, 35}, {20, 26, 37, 35}), {});

    BevelButton1 = makeMakerLinkButton(this);
    // The modal dialog's link keeps its place; the sheet's follows the bottom.
    locks->place(BevelButton1, at({20, 103, 211, 22}, {20, 123, 211, 22}),
                 sheet ? Qt::Edges(Qt::BottomEdge) : Qt::Edges());
    connect(BevelButton1, &BevelButton::action, this, &OKDialog::BevelButton1_Action);
}

void OKDialog::InitOKDialog(const QString &header, const QString &text, const QString &caption)
{
    HeaderText->setText(header);
    SubText->setText(text);
    if (!caption.isEmpty())
        OKButton->setText(caption);
}

void OKDialog::OKButton_Action()
{
    close();
}

void OKDialog::BevelButton1_Action()
{
    app().ShowKDLhomepage();
}

OKSheetDialog::OKSheetDialog(const QString &header, const QString &text, const QString &caption, QWidget *parent)
    : OKDialog(true, parent)
{
    InitOKDialog(header, text, caption);
    exec();
}
