// The transfer text of each page and the ways it leaves the window: the
// transfer button (click or drag), the menu command, the double-click and
// rows dragged out of the lists.
#include "SentenceWindow.h"

#include "ExtendedEditField.h"
#include "app/App.h"
#include "framework/Controls.h"
#include "framework/EventLoop.h"

#include <QDrag>
#include <QGuiApplication>
#include <QMimeData>
#include <QTabWidget>

namespace {
bool mouseButtonDown()
{
    return QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
}
} // namespace

QString SentenceWindow::GetTransferSentence()
{
    switch (TabPanel1->currentIndex()) {
    case 0:
        // Formed when the list filled it; the user may have edited it since.
        return SentenceFromListField->Text();
    case 1:
        return formForPupil(SentenceEditField->Text());
    case 2:
        return formForPupil(app().getSentences2NumList(NumListEditField->Text(), getClass()));
    case 3:
        return formForPupil(doOrientingListSentences());
    case 4:
        return GetCompleteStdSentence();
    default:
        return {};
    }
}

void SentenceWindow::DoTransfer()
{
    app().TransferSentence(GetTransferSentence());
}

void SentenceWindow::sentenceDoubleClick()
{
    const int row = SentenceListBox->ListIndex();
    if (row >= 0)
        app().TransferSentence(formForPupil(SentenceListBox->List(row)));
}

// A double-click in the lists of "Standardisierte Form" transfers what the
// page has composed from the rows now chosen.
void SentenceWindow::StandardSentencesListBox_DoubleClick()
{
    app().TransferSentence(GetCompleteStdSentence());
}

void SentenceWindow::StandardAppendicesListBox_DoubleClick()
{
    app().TransferSentence(GetCompleteStdSentence());
}

void SentenceWindow::TransferNumListButton_Action()
{
    DoTransfer();
}

bool SentenceWindow::TransferNumListButton_MouseDown(int, int)
{
    TransferNumListButton->setValue(true);
    DoEvents(10);
    const QString text = GetTransferSentence();
    if (!mouseButtonDown()) {
        TransferNumListButton->setValue(false);
        return false;
    }
    // The button flashes once: a drag begins.
    TransferNumListButton->setValue(false);
    TransferNumListButton->repaint();
    DoEvents(10);
    TransferNumListButton->setValue(true);
    TransferNumListButton->repaint();
    DoEvents(10);
    if (!mouseButtonDown()) {
        TransferNumListButton->setValue(false);
        return false;
    }
    DoEvents(10);
    auto *drag = new QDrag(this);
    auto *mime = new QMimeData;
    mime->setText(text);
    drag->setMimeData(mime);
    drag->setPixmap(TransferNumListButton->grab());
    drag->exec(Qt::CopyAction, Qt::CopyAction);
    return true;
}

bool SentenceWindow::TransferNumListButton_MouseUp(int x, int y)
{
    TransferNumListButton->setValue(false);
    // Only a release over the button itself transfers; a drop elsewhere has
    // handed the text over already.
    if (x >= 0 && y >= 0 && x <= TransferNumListButton->width() && y <= TransferNumListButton->height()) {
        DoTransfer();
        return false;
    }
    return true;
}

bool SentenceWindow::dragFormedRow(QDrag &drag, const Listbox *list, int row) const
{
    drag.mimeData()->setText(formForPupil(list->List(row)));
    return true;
}

bool SentenceWindow::SentenceListBox_DragRow(QDrag &drag, int row)
{
    return dragFormedRow(drag, SentenceListBox, row);
}

bool SentenceWindow::StandardSentencesListBox_DragRow(QDrag &drag, int row)
{
    return dragFormedRow(drag, StandardSentencesListBox, row);
}

bool SentenceWindow::StandardAppendicesListBox_DragRow(QDrag &drag, int row)
{
    return dragFormedRow(drag, StandardAppendicesListBox, row);
}
