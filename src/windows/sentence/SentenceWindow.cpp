#include "SentenceWindow.h"

#include "app/App.h"
#include "app/Menu.h"

#include <QCloseEvent>
#include <QMenuBar>

SentenceWindow::SentenceWindow()
{
    setObjectName(QStringLiteral("SentenceWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Velmora - Satzbausteine"));
    setMenuBar(app().MenuBar()->createMenuBar(this));
    setCentralWidget(new QWidget(this));
    resize(515, 322 + menuBar()->sizeHint().height());
    setMinimumSize(500, 226);
    setMaximumSize(32000, 32000);
    createTargetControls();
}

void SentenceWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    app().DoQuit();
}

bool SentenceWindow::getContent(int)
{
    return true;
}

void SentenceWindow::UpdateListFont() {}

void SentenceWindow::updateSentence2Number() {}
