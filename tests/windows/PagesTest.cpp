// The pages "Nummerneingabe", "Nummernliste", "Orientierungsentwurf" and
// "Standardisierte Form", the transfer text of every page and the transfer
// button, with recording scripts standing in for the target application.
#include "WindowTestSupport.h"
#include "support/GuiTestSupport.h"
#include "support/RecordingScripts.h"

#include "app/App.h"
#include "app/Menu.h"
#include "framework/Controls.h"
#include "prefs/PreferencesClass.h"
#include "windows/sentence/ExtendedEditField.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QDrag>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QTabWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Numbers 7 (Sie form only), 8 (Du form only) and 9 (both); "Arbeitsverhalten"
// has sections 1 to 3 for its criterion, "Sozialverhalten" 1, 3 and 4.
std::vector<SentenceRow> pageRows()
{
    return {
        sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 1, 1, 10, 7,
                    "#Er/Sie# zeigt großes Interesse.\r_ fragt nach."),
        sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 2, 1, 10, 8, "", "Du zeigst Interesse."),
        sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 3, 1, 10, 9, "_ ist manchmal interessiert.",
                    "Du bist manchmal interessiert."),
        sentenceRow("Sozialverhalten", "Hilfsbereitschaft", "Mitschüler", 1, 1, 10, 10, "_ hilft gern."),
        sentenceRow("Sozialverhalten", "Hilfsbereitschaft", "Mitschüler", 3, 1, 10, 11, "#Er/Sie# hilft oft."),
        sentenceRow("Sozialverhalten", "Hilfsbereitschaft", "Mitschüler", 4, 1, 10, 12, "_ hilft immer."),
    };
}

std::vector<StdPhraseRow> stdRows()
{
    const auto phrase = [](const char *category, int number, int appendix, const char *text) {
        return StdPhraseRow{QString::fromUtf8(category), 1, number, appendix, QString::fromUtf8(text)};
    };
    return {
        phrase("Fleiß", 1, 0, "_ arbeitet fleißig"),
        phrase("Fleiß", 1, 1, "wenn #er/sie# will"),
        phrase("Fleiß", 1, 2, "meistens"),
        phrase("Fleiß", 2, 0, "#Er/Sie# ist eifrig"),
        phrase("Ordnung", 1, 0, "_ hält Ordnung"),
    };
}

const QString kOk = QStringLiteral("OK");

// Answers every message that opens while it lives: notes its text, runs the
// hook (if any) and clicks "OK".
class MessageCollector
{
public:
    MessageCollector()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == m_answered)
                return;
            m_answered = modal;
            m_texts << dialogText(modal);
            if (m_hook)
                m_hook();
            clickButton(modal, kOk);
        });
        m_timer.start(20);
    }
    // The texts noted since the last call.
    QStringList take() { return std::exchange(m_texts, {}); }
    void setHook(std::function<void()> hook) { m_hook = std::move(hook); }

private:
    QTimer m_timer;
    QPointer<QWidget> m_answered;
    QStringList m_texts;
    std::function<void()> m_hook;
};

class PagesTest : public ::testing::Test
{
protected:
    SentenceWindow *open(bool useDu = false)
    {
        SentenceWindow *w = fixture.open(pageRows(), 1, useDu, stdRows());
        if (w) {
            app().pPrefs->SetTargetProcessCreator(QStringLiteral("C#+A"));
            app().pPrefs->SetTargetProcessname(QStringLiteral("Ziel"));
            app().pPrefs->SetConnectionType(QStringLiteral("ConectCustom"));
        }
        return w;
    }
    // The texts the target received, in order (on the scripts' standard input).
    QStringList transferred() const
    {
        QStringList texts;
        for (const ScriptCall &call : scripts.calls())
            texts << call.input;
        return texts;
    }
    // Sets a number field; the message it shows, if any.
    QString typeNumber(ExtendedEditField *field, const QString &text)
    {
        messages.take();
        field->setText(text);
        return messages.take().join(u'|');
    }

    WindowFixture fixture;
    MessageCollector messages;
    RecordingScripts scripts;
};

TEST_F(PagesTest, NumberPageShowsTheFormedVariantAndTransfersIt)
{
    SentenceWindow *w = open();
    ASSERT_NE(w, nullptr);
    w->TabPanel1->setCurrentIndex(1);
    w->PrenameEditField->setText(QStringLiteral("Tim"));
    EXPECT_EQ(typeNumber(w->CatNoEditField, QStringLiteral("7")), QString());
    EXPECT_EQ(typeNumber(w->SubNoEditField, QStringLiteral("2")), QString());
    EXPECT_EQ(w->SentenceEditField->Text(), QStringLiteral("Tim fragt nach."));
    w->SexPopupMenu->setListIndex(1);
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral("Tim fragt nach."));
    EXPECT_EQ(typeNumber(w->SubNoEditField, QStringLiteral("1")), QString());
    EXPECT_EQ(w->SentenceEditField->Text(), QStringLiteral("Sie zeigt großes Interesse."));

    // The user's edit is what goes, formed once more.
    w->SentenceEditField->setText(QStringLiteral("#Er/Sie# und _ lachen."));
    w->DoTransfer();
    EXPECT_EQ(transferred(), QStringList{QStringLiteral("Sie und Tim lachen.")});

    // Variant 0 or a text that is no number empties the field without a message.
    EXPECT_EQ(typeNumber(w->SubNoEditField, QStringLiteral("0")), QString());
    EXPECT_EQ(w->SentenceEditField->Text(), QString());
    EXPECT_EQ(typeNumber(w->SubNoEditField, QStringLiteral("x")), QString());
    EXPECT_EQ(w->SentenceEditField->Text(), QString());
}

TEST_F(PagesTest, NumberPageSaysWhenTheAddressIsMissingOrOnlyInTheOtherForm)
{
    SentenceWindow *w = open();
    ASSERT_NE(w, nullptr);
    w->TabPanel1->setCurrentIndex(1);
    typeNumber(w->SubNoEditField, QStringLiteral("1"));
    const QString missing = typeNumber(w->CatNoEditField, QStringLiteral("99"));
    EXPECT_TRUE(missing.contains(QStringLiteral("Nummer ungültig!")));
    EXPECT_TRUE(missing.contains(QStringLiteral("Eine Formulierung mit dieser Nummer ist nicht vorhanden.")));
    EXPECT_EQ(w->SentenceEditField->Text(), QString());

    // Number 8 has a Du form only: the Sie form falls back to it.
    const QString duOnly = typeNumber(w->CatNoEditField, QStringLiteral("8"));
    EXPECT_TRUE(duOnly.contains(QStringLiteral("Eine Formulierungen mit dieser Nummer ist nicht vorhanden. Die "
                                               "korrespondierende „Du“-Formulierung wird verwendet.")))
        << duOnly.toStdString();
    EXPECT_EQ(w->SentenceEditField->Text(), QStringLiteral("Du zeigst Interesse."));

    // With an address that exists nowhere, a changed gender shows the sheet again.
    typeNumber(w->CatNoEditField, QStringLiteral("99"));
    w->SexPopupMenu->setListIndex(1);
    const QString again = messages.take().join(u'|');
    EXPECT_TRUE(again.contains(QStringLiteral("Eine Formulierung mit dieser Nummer ist nicht vorhanden.")));
}

TEST_F(PagesTest, NumberPageWithTheDuFormFallsBackToTheSieForm)
{
    SentenceWindow *w = open(true);
    ASSERT_NE(w, nullptr);
    w->TabPanel1->setCurrentIndex(1);
    w->PrenameEditField->setText(QStringLiteral("Tim"));
    typeNumber(w->SubNoEditField, QStringLiteral("2"));
    const QString sieOnly = typeNumber(w->CatNoEditField, QStringLiteral("7"));
    EXPECT_TRUE(sieOnly.contains(QStringLiteral("Eine „Du“-Formulierungen mit dieser Nummer ist nicht vorhanden. "
                                                "Die korrespondierende normale Formulierung wird verwendet.")))
        << sieOnly.toStdString();
    EXPECT_EQ(w->SentenceEditField->Text(), QStringLiteral("Tim fragt nach."));
    // Number 9 has both: the Du form without a message.
    typeNumber(w->CatNoEditField, QStringLiteral("9"));
    EXPECT_EQ(typeNumber(w->SubNoEditField, QStringLiteral("1")), QString());
    EXPECT_EQ(w->SentenceEditField->Text(), QStringLiteral("Du bist manchmal interessiert."));
}

TEST_F(PagesTest, NumberFieldsLimitTypingAndTheArrowsStepTheVariant)
{
    SentenceWindow *w = open();
    ASSERT_NE(w, nullptr);
    w->TabPanel1->setCurrentIndex(1);
    w->CatNoEditField->setFocus();
    QTest::keyClicks(w->CatNoEditField, QStringLiteral("12345"));
    EXPECT_EQ(w->CatNoEditField->Text(), QStringLiteral("123"));
    w->SubNoEditField->setFocus();
    QTest::keyClicks(w->SubNoEditField, QStringLiteral("123"));
    EXPECT_EQ(w->SubNoEditField->Text(), QStringLiteral("12"));
    typeNumber(w->CatNoEditField, QString());

    const auto arrow = [w](const char *name) {
        QTest::mouseClick(w->LittleArrows1->findChild<QWidget *>(QString::fromUtf8(name)), Qt::LeftButton);
        return w->SubNoEditField->Text();
    };
    typeNumber(w->SubNoEditField, QString());
    EXPECT_EQ(arrow("down"), QStringLiteral("1"));
    EXPECT_EQ(arrow("down"), QStringLiteral("1"));
    typeNumber(w->SubNoEditField, QString());
    EXPECT_EQ(arrow("up"), QStringLiteral("1"));
    typeNumber(w->SubNoEditField, QStringLiteral("9"));
    EXPECT_EQ(arrow("up"), QStringLiteral("10"));
    EXPECT_EQ(arrow("down"), QStringLiteral("9"));

    // Each step shows the new variant at once.
    typeNumber(w->CatNoEditField, QStringLiteral("7"));
    typeNumber(w->SubNoEditField, QStringLiteral("1"));
    arrow("up");
    EXPECT_EQ(w->SentenceEditField->Text(), QStringLiteral("_ fragt nach."));
}

TEST_F(PagesTest, ReturnLeavesTheNumberFieldsAndTheFocusGoesBackToTheSentenceNumber)
{
    SentenceWindow *w = open();
    ASSERT_NE(w, nullptr);
    w->TabPanel1->setCurrentIndex(1);
    w->activateWindow();
    w->CatNoEditField->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([w] { return w->CatNoEditField->hasFocus(); }, 2000));
    QTest::keyClick(w->CatNoEditField, Qt::Key_Return);
    EXPECT_EQ(w->focusWidget() ? w->focusWidget()->hasFocus() : false, false);

    w->SubNoEditField->setFocus();
    ASSERT_TRUE(w->SubNoEditField->hasFocus());
    QTest::keyClick(w->SubNoEditField, Qt::Key_Return);
    EXPECT_TRUE(w->CatNoEditField->hasFocus());

    // Leaving the variant field by a click elsewhere ends there too.
    w->SubNoEditField->setFocus();
    w->SentenceEditField->setFocus();
    EXPECT_TRUE(w->CatNoEditField->hasFocus());
}

TEST_F(PagesTest, NumberListPageTransfersTheExpandedListFormed)
{
    SentenceWindow *w = open();
    ASSERT_NE(w, nullptr);
    w->TabPanel1->setCurrentIndex(2);
    w->PrenameEditField->setText(QStringLiteral("Tim"));
    w->NumListEditField->setText(QStringLiteral("10-1, 7-1"));
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral(" Tim hilft gern. Er zeigt großes Interesse."));
    app().MenuBar()->runCommand(QStringLiteral("TransferMenuItem"));
    EXPECT_EQ(transferred(), QStringList{QStringLiteral(" Tim hilft gern. Er zeigt großes Interesse.")});
}

// The orienting list with the levels given by key.
class OrientingPageTest : public PagesTest
{
protected:
    SentenceWindow *openOnPage()
    {
        SentenceWindow *w = open();
        if (w)
            w->TabPanel1->setCurrentIndex(3);
        return w;
    }
    static QStringList row(const SentenceWindow *w, int r)
    {
        QStringList cells;
        for (int c = 0; c < 5; ++c)
            cells << w->OrientingListBox->Cell(r, c);
        return cells;
    }
    static void typeLevel(SentenceWindow *w, int r, const QString &key)
    {
        w->OrientingListBox->setListIndex(r);
        w->OrientingListBox->setFocus();
        QTest::keyClicks(w->OrientingListBox, key);
    }
};

TEST_F(OrientingPageTest, ListsEveryCriterionWithItsRangeWhenThePageIsShown)
{
    SentenceWindow *w = open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->pOrientingListBoxNeedsUpdate);
    EXPECT_EQ(w->OrientingListBox->ListCount(), 0);
    w->TabPanel1->setCurrentIndex(3);
    EXPECT_FALSE(w->pOrientingListBoxNeedsUpdate);
    ASSERT_EQ(w->OrientingListBox->ListCount(), 2);
    EXPECT_EQ(row(w, 0), (QStringList{QStringLiteral("Arbeitsverhalten"), QStringLiteral("Lernbereitschaft : Interesse"),
                                      QStringLiteral("-"), QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_EQ(row(w, 1), (QStringList{QStringLiteral("Sozialverhalten"), QStringLiteral("Hilfsbereitschaft : Mitschüler"),
                                      QStringLiteral("-"), QStringLiteral("1"), QStringLiteral("4")}));
    EXPECT_EQ(w->OrientingListBox->ListIndex(), 0);
    EXPECT_EQ(w->OrientingListBox->ColumnType(2), int(Listbox::TypeEditable));

    // A class change on another page only marks the list; showing it again rebuilds it, levels reset.
    typeLevel(w, 0, QStringLiteral("2"));
    ASSERT_EQ(w->OrientingListBox->Cell(0, 2), QStringLiteral("2"));
    w->TabPanel1->setCurrentIndex(0);
    w->ClassesPopupMenu->setListIndex(1);
    EXPECT_TRUE(w->pOrientingListBoxNeedsUpdate);
    EXPECT_EQ(w->OrientingListBox->Cell(0, 2), QStringLiteral("2"));
    w->TabPanel1->setCurrentIndex(3);
    EXPECT_EQ(w->OrientingListBox->Cell(0, 2), QStringLiteral("-"));
}

TEST_F(OrientingPageTest, LevelsOutsideTheRowsRangeAreRefused)
{
    SentenceWindow *w = openOnPage();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->OrientingListBox->ListCount(), 2);
    typeLevel(w, 1, QStringLiteral("3"));
    EXPECT_EQ(w->OrientingListBox->Cell(1, 2), QStringLiteral("3"));
    for (const char *refused : {"5", "0", "x"}) {
        typeLevel(w, 1, QString::fromUtf8(refused));
        EXPECT_EQ(w->OrientingListBox->Cell(1, 2), QStringLiteral("3")) << refused;
    }

    // Typed into the cell: more than one character, or none, gives "-".
    QTreeWidgetItem *item = w->OrientingListBox->topLevelItem(0);
    w->OrientingListBox->editItem(item, 2);
    auto *editor = w->OrientingListBox->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("2"));
    EXPECT_EQ(editor->text(), QStringLiteral("2"));
    QTest::keyClicks(editor, QStringLiteral("2"));
    EXPECT_EQ(editor->text(), QStringLiteral("-"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(w->OrientingListBox->Cell(0, 2), QStringLiteral("-"));

    w->OrientingListBox->setCell(0, 2, QString());
    w->OrientingListBox_CellLostFocus(0, 2);
    EXPECT_EQ(w->OrientingListBox->Cell(0, 2), QStringLiteral("-"));
    w->OrientingListBox->setCell(0, 2, QStringLiteral("2"));
    w->OrientingListBox_CellLostFocus(0, 2);
    EXPECT_EQ(w->OrientingListBox->Cell(0, 2), QStringLiteral("2"));
}

TEST_F(OrientingPageTest, ComposesOneSentencePerLevelInTheListsRowOrder)
{
    SentenceWindow *w = openOnPage();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->OrientingListBox->ListCount(), 2);
    w->PrenameEditField->setText(QStringLiteral("Tim"));
    // No level anywhere: nothing, and no message.
    EXPECT_EQ(w->doOrientingListSentences(), QString());

    typeLevel(w, 0, QStringLiteral("3"));
    typeLevel(w, 1, QStringLiteral("4"));
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral(" Tim ist manchmal interessiert. Tim hilft immer."));

    // The user drags the second row up: its sentence comes first.
    QTreeWidgetItem *moved = w->OrientingListBox->takeTopLevelItem(1);
    w->OrientingListBox->insertTopLevelItem(0, moved);
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral(" Tim hilft immer. Tim ist manchmal interessiert."));

    // Rows are coloured by their place, also after the move.
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    w->OrientingListBox_CellBackgroundPaint(painter, QRect(0, 0, 10, 5), 0, 1);
    w->OrientingListBox_CellBackgroundPaint(painter, QRect(0, 5, 10, 5), 1, 1);
    painter.end();
    EXPECT_EQ(image.pixelColor(5, 2), QColor(250, 250, 230));
    EXPECT_EQ(image.pixelColor(5, 7), QColor(230, 250, 230));
}

TEST_F(OrientingPageTest, AClickComputesTheTextTwiceAndTransfersTheSecond)
{
    // Class 1 of a database with nothing for it: the list is empty.
    SentenceWindow *w = fixture.open({sentenceRow("Sozialverhalten", "Hilfsbereitschaft", "Mitschüler", 4, 5, 6, 12,
                                                  "_ hilft immer.")},
                                     1, false, stdRows());
    ASSERT_NE(w, nullptr);
    app().pPrefs->SetTargetProcessCreator(QStringLiteral("C#+A"));
    app().pPrefs->SetTargetProcessname(QStringLiteral("Ziel"));
    app().pPrefs->SetConnectionType(QStringLiteral("ConectCustom"));
    w->TabPanel1->setCurrentIndex(3);
    ASSERT_EQ(w->OrientingListBox->ListCount(), 0);

    // A click as the button sees it: the press, released before it became a
    // drag, then the button's action. Empty both times: two messages, an
    // empty text transferred.
    const auto click = [w] {
        if (!w->TransferNumListButton_MouseDown(5, 5))
            w->TransferNumListButton_Action();
    };
    click();
    const QStringList shown = messages.take();
    EXPECT_EQ(shown.size(), 2);
    for (const QString &message : shown)
        EXPECT_TRUE(message.contains(QStringLiteral("Die Liste ist leer!")));
    EXPECT_EQ(transferred(), QStringList{QString()});
    EXPECT_FALSE(w->TransferNumListButton->Value());

    // The first computation's message is answered after the list has got a
    // row with a level: the second computation finds it, and that text goes.
    messages.setHook([w] {
        w->OrientingListBox->AddRow(QStringLiteral("Sozialverhalten"));
        w->OrientingListBox->setCell(0, 1, QStringLiteral("Hilfsbereitschaft : Mitschüler"));
        w->OrientingListBox->setCell(0, 2, QStringLiteral("4"));
    });
    w->ClassesPopupMenu->blockSignals(true);
    w->ClassesPopupMenu->setCurrentIndex(4);
    w->ClassesPopupMenu->blockSignals(false);
    click();
    messages.setHook({});
    EXPECT_EQ(messages.take().size(), 1);
    EXPECT_EQ(transferred(), (QStringList{QString(), QStringLiteral(" _ hilft immer.")}));

    // The menu command computes once.
    w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w));
    app().MenuBar()->runCommand(QStringLiteral("TransferMenuItem"));
    EXPECT_EQ(transferred().size(), 3);
    EXPECT_EQ(transferred().last(), QStringLiteral(" _ hilft immer."));
}

class StandardPageTest : public PagesTest
{
protected:
    static QStringList rows(const Listbox *list)
    {
        QStringList texts;
        for (int r = 0; r < list->ListCount(); ++r)
            texts << list->List(r);
        return texts;
    }
};

TEST_F(StandardPageTest, ComposesPhraseAndOptionalAppendixFormedForThePupil)
{
    SentenceWindow *w = open();
    ASSERT_NE(w, nullptr);
    w->TabPanel1->setCurrentIndex(4);
    EXPECT_EQ(w->StdCategoriesPopupMenu->ListCount(), 2);
    EXPECT_EQ(w->getCategoryStd(), QStringLiteral("Fleiß"));
    EXPECT_EQ(rows(w->StandardSentencesListBox),
              (QStringList{QStringLiteral("_ arbeitet fleißig"), QStringLiteral("#Er/Sie# ist eifrig")}));
    EXPECT_EQ(w->StandardSentencesListBox->ListIndex(), 0);
    EXPECT_EQ(rows(w->StandardAppendicesListBox),
              (QStringList{QStringLiteral("wenn #er/sie# will"), QStringLiteral("meistens")}));
    EXPECT_EQ(w->StandardAppendicesListBox->ListIndex(), -1);
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral("_ arbeitet fleißig."));

    w->PrenameEditField->setText(QStringLiteral("Lea"));
    w->SexPopupMenu->setListIndex(1);
    EXPECT_EQ(w->CompleteStdSentenceEditField->Text(), QStringLiteral("Lea arbeitet fleißig."));
    w->StandardAppendicesListBox->setListIndex(0);
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral("Lea arbeitet fleißig, wenn sie will"));
    w->DoTransfer();
    EXPECT_EQ(transferred(), QStringList{QStringLiteral("Lea arbeitet fleißig, wenn sie will")});

    // Another phrase: no appendices, the appendix choice gone.
    w->StandardSentencesListBox->setListIndex(1);
    EXPECT_TRUE(rows(w->StandardAppendicesListBox).isEmpty());
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral("Sie ist eifrig."));
    w->StandardSentencesListBox->setListIndex(-1);
    EXPECT_EQ(w->GetTransferSentence(), QString());

    w->StdCategoriesPopupMenu->setListIndex(1);
    EXPECT_EQ(rows(w->StandardSentencesListBox), QStringList{QStringLiteral("_ hält Ordnung")});
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral("Lea hält Ordnung."));
}

TEST_F(StandardPageTest, WithoutACategoryBothListsSayWhatFailed)
{
    SentenceWindow *w = open();
    ASSERT_NE(w, nullptr);
    w->StdCategoriesPopupMenu->DeleteAllRows();
    w->FillSentenceListBoxStd();
    EXPECT_EQ(messages.take(), QStringList{QStringLiteral("Runtime ERROR: FillStdSentenceListBox")});
    w->FillSentenceListBoxStdAppendix();
    EXPECT_EQ(messages.take(), QStringList{QStringLiteral("Runtime ERROR: FillSentenceListBoxStdAppendix")});
    // The lists are as they were.
    EXPECT_EQ(w->StandardSentencesListBox->ListCount(), 2);
    EXPECT_EQ(w->StandardAppendicesListBox->ListCount(), 2);
}

TEST_F(PagesTest, SentenceListTransfersTheEditedTextAndTheDoubleClickedRow)
{
    SentenceWindow *w = open();
    ASSERT_NE(w, nullptr);
    w->PrenameEditField->setText(QStringLiteral("Tim"));
    ASSERT_GE(w->SentenceListBox->ListCount(), 2);
    // A double-click without a chosen row does nothing.
    w->SentenceListBox->setListIndex(-1);
    w->sentenceDoubleClick();
    EXPECT_TRUE(scripts.calls().isEmpty());

    w->SentenceListBox->setListIndex(1);
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Tim fragt nach."));
    w->SentenceFromListField->setText(QStringLiteral("_ hat's #selbst/selbst# geschrieben."));
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral("_ hat's #selbst/selbst# geschrieben."));
    w->sentenceDoubleClick();
    EXPECT_EQ(transferred(), QStringList{QStringLiteral("Tim fragt nach.")});
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("_ hat's #selbst/selbst# geschrieben."));
}

TEST_F(PagesTest, AfterADragOnlyAReleaseOverTheButtonTransfers)
{
    SentenceWindow *w = open();
    ASSERT_NE(w, nullptr);
    w->TabPanel1->setCurrentIndex(4);
    BevelButton *button = w->TransferNumListButton;
    const int width = button->width();
    const int height = button->height();
    // Right of, below, left of and above the button: the drop has handed the text over.
    for (const QPoint &outside : {QPoint(width + 5, 5), QPoint(5, height + 5), QPoint(-5, 5), QPoint(5, -5)}) {
        button->setValue(true);
        EXPECT_TRUE(w->TransferNumListButton_MouseUp(outside.x(), outside.y()));
        EXPECT_FALSE(button->Value());
    }
    EXPECT_TRUE(scripts.calls().isEmpty());
    button->setValue(true);
    EXPECT_FALSE(w->TransferNumListButton_MouseUp(width / 2, height / 2));
    EXPECT_FALSE(button->Value());
    EXPECT_EQ(transferred(), QStringList{QStringLiteral("_ arbeitet fleißig.")});
}

TEST_F(PagesTest, ARowDraggedOutCarriesItsFormedText)
{
    SentenceWindow *w = open();
    ASSERT_NE(w, nullptr);
    w->SexPopupMenu->setListIndex(1);
    QDrag drag(w);
    drag.setMimeData(new QMimeData);
    // Without a first name the placeholder stays.
    ASSERT_TRUE(w->SentenceListBox_DragRow(drag, 0));
    EXPECT_EQ(drag.mimeData()->text(), QStringLiteral("Sie zeigt großes Interesse."));
    ASSERT_TRUE(w->SentenceListBox_DragRow(drag, 1));
    EXPECT_EQ(drag.mimeData()->text(), QStringLiteral("_ fragt nach."));
    w->PrenameEditField->setText(QStringLiteral("Lea"));
    ASSERT_TRUE(w->StandardAppendicesListBox_DragRow(drag, 0));
    EXPECT_EQ(drag.mimeData()->text(), QStringLiteral("wenn sie will"));
    ASSERT_TRUE(w->StandardSentencesListBox_DragRow(drag, 0));
    EXPECT_EQ(drag.mimeData()->text(), QStringLiteral("Lea arbeitet fleißig"));
}

} // namespace

namespace {
// The ranges read in one pass are those the per-criterion query gives.
TEST(OrientingRanges, MatchTheSectionsOfEachCriterionOnTheSampleDatabase)
{
    const QString sample = sampleDatabase();
    if (sample.isEmpty())
        GTEST_SKIP() << "the build made no sample database";
    for (int classLevel : {1, 5, 10}) {
        WindowFixture fixture;
        SentenceWindow *w = fixture.openExisting(sample, classLevel);
        ASSERT_NE(w, nullptr);
        w->TabPanel1->setCurrentIndex(3);
        const int n = w->OrientingListBox->ListCount();
        EXPECT_GT(n, 0) << classLevel;
        for (int r = 0; r < n; ++r) {
            const QString criterion = w->OrientingListBox->Cell(r, 1);
            const QString sections = app().GetSubCatSections(
                QString::number(classLevel), w->OrientingListBox->Cell(r, 0), criterion.section(QStringLiteral(" : "), 0, 0),
                criterion.section(QStringLiteral(" : "), 1, 1));
            const QStringList lines = sections.split(u'\n');
            EXPECT_EQ(w->OrientingListBox->Cell(r, 3), lines.first()) << criterion.toStdString();
            EXPECT_EQ(w->OrientingListBox->Cell(r, 4), lines.last()) << criterion.toStdString();
        }
    }
}
} // namespace
