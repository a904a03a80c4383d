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
    linkFont.setPixelSize(10);
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
    m_sheet = sheet;
    if (!sheet) {
        setMinimumSize(64, 64);
        setMaximumSize(32000, 32000);
    }
    HeaderText = new QLabel(QStringLiteral("Überschrift"), this);
    HeaderText->setObjectName(QStringLiteral("HeaderText"));

    SubText = new QLabel(QStringLiteral("Meldungstext"), this);
    SubText->setObjectName(QStringLiteral("SubText"));
    SubText->setWordWrap(true);
    SubText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Sizes count in pixels, as in the main window's layout.
    QFont subFont(QStringLiteral("Geneva"));
    subFont.setPixelSize(10);
    SubText->setFont(subFont);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &OKDialog::OKButton_Action);

    Canvas1 = new QLabel(this);
    Canvas1->setObjectName(QStringLiteral("Canvas1"));
    Canvas1->setPixmap(vmicon());

    BevelButton1 = makeMakerLinkButton(this);
    connect(BevelButton1, &BevelButton::action, this, &OKDialog::BevelButton1_Action);
    placeControls(0);
}

void OKDialog::placeControls(int extraHeight)
{
    // The text box and what lies below it make room for extraHeight more.
    const bool sheet = m_sheet;
    if (sheet)
        setFixedSize(408, 165 + extraHeight);
    else
        resize(393, 138 + extraHeight);
    delete m_locks;
    auto *locks = m_locks = new EdgeLocks(this);
    const auto at = [sheet](QRect dialog, QRect sheetRect) { return sheet ? sheetRect : dialog; };
    const auto below = [extraHeight](QRect r) { return r.translated(0, extraHeight); };

    locks->place(HeaderText, at({69, 13, 309, 18}, {82, 26, 299, 18}), Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    locks->place(SubText, at({69, 36, 309, 55}, {82, 56, 299, 55}).adjusted(0, 0, 0, extraHeight),
                 Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    locks->place(OKButton, below(at({251, 103, 127, 22}, {261, 123, 127, 22})),
                 sheet ? Qt::Edges(Qt::BottomEdge) : Qt::Edges(Qt::RightEdge | Qt::BottomEdge));
    locks->place(Canvas1, at({20, 13, 37, 35}, {20, 26, 37, 35}), {});
    // The modal dialog's link keeps its place; the sheet's follows the bottom.
    locks->place(BevelButton1, below(at({20, 103, 211, 22}, {20, 123, 211, 22})),
                 sheet ? Qt::Edges(Qt::BottomEdge) : Qt::Edges());
}

void OKDialog::InitOKDialog(const QString &header, const QString &text, const QString &caption)
{
    HeaderText->setText(header);
    SubText->setText(text);
    if (!caption.isEmpty())
        OKButton->setText(caption);
    growToFit();
}

void OKDialog::growToFit()
{
    // A text longer than its box makes the dialog taller instead of being cut.
    placeControls(0);
    const int missing = SubText->heightForWidth(SubText->width()) - SubText->height();
    if (missing > 0)
        placeControls(missing);
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
