#include "WaitMessagesWindow.h"

#include "SentenceWindow.h"
#include "framework/ImplicitInstance.h"

#include <QLabel>
#include <QProgressBar>

WaitMessagesWindow::WaitMessagesWindow()
    : QDialog(existingInstance<SentenceWindow>(),
              Qt::Sheet | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("WaitMessagesWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Bitte warten"));
    setFixedSize(299, 64);
    setModal(false);

    MessageText = new QLabel(QStringLiteral("Bitte warten..."), this);
    MessageText->setObjectName(QStringLiteral("MessageText"));
    MessageText->setWordWrap(true);
    MessageText->setGeometry(63, 19, 216, 35);
    MessageText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // A busy indicator stands for the spinning wheel.
    ProgressWheel1 = new QProgressBar(this);
    ProgressWheel1->setObjectName(QStringLiteral("ProgressWheel1"));
    ProgressWheel1->setRange(0, 0);
    ProgressWheel1->setTextVisible(false);
    ProgressWheel1->setGeometry(20, 19, 16, 16);
}
