// The main window's logic on a real sentence database: the category cascade
// per class level, the transfer text of each page, and the edited sentence
// list written back.
#include "WindowTestSupport.h"
#include "support/GuiTestSupport.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/Database.h"
#include "prefs/PreferencesClass.h"
#include "windows/sentence/ExtendedEditField.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Numbers 7 (Sie form only), 8 (Du form only) and 9 (both); "Sozialverhalten"
// exists for classes 5 and 6 only, its main category holding " : ".
std::vector<SentenceRow> rows()
{
    return {
        sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 1, 1, 10, 7,
                    "#Er/Sie# zeigt großes Interesse.\r_ fragt nach."),
        sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 2, 1, 10, 8, "", "Du zeigst Interesse."),
        sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 3, 1, 10, 9, "_ ist manchmal interessiert.",
                    "Du bist manchmal interessiert."),
        sentenceRow("Arbeitsverhalten", "Sorgfalt", "Heftführung", 1, 1, 10, 15, "_s Hefte sind sauber."),
        sentenceRow("Sozialverhalten", "Hilfe : Bereitschaft", "Mitschüler", 1, 5, 6, 20, "_ hilft gern."),
        sentenceRow("Sozialverhalten", "Hilfe : Bereitschaft", "Mitschüler", 4, 5, 6, 22, "#Er/Sie# hilft immer."),
    };
}

std::vector<StdPhraseRow> stdRows()
{
    const auto phrase = [](const char *category, int number, int appendix, const char *text) {
        return StdPhraseRow{QString::fromUtf8(category), 1, number, appendix, QString::fromUtf8(text)};
    };
    return {phrase("Fleiß", 1, 0, "_ arbeitet fleißig"), phrase("Fleiß", 1, 1, "wenn #er/sie# will"),
            phrase("Fleiß", 2, 0, "#Er/Sie# ist eifrig"), phrase("Ordnung", 1, 0, "_ hält Ordnung")};
}

QStringList plus5Empty(QStringList list)
{
    return list << QStringList(5, QString());
}

class WindowTest : public ::testing::Test
{
protected:
    SentenceWindow *open(int classLevel = 1, bool useDu = false)
    {
        w = fixture.open(rows(), classLevel, useDu, stdRows());
        if (w)
            w->PrenameEditField->setText(QStringLiteral("Tim"));
        return w;
    }
    // Sets a field as typing does; the texts of the messages it brought up (answered while it runs).
    QString type(ExtendedEditField *field, const QString &text)
    {
        ModalScript answers;
        field->setText(text);
        return answers.seen.join(u'|');
    }
    // Types text over row's cell (one with CRs comes as a paste) and finishes with Return.
    void editRow(int row, const QString &text)
    {
        const bool pasted = text.contains(u'\r');
        QGuiApplication::clipboard()->setText(text);
        typeIntoCell(w, row, pasted ? QString() : text);
        if (pasted)
            keyIntoFocus(Qt::Key_V, Qt::ControlModifier);
        keyIntoFocus(Qt::Key_Return);
        QApplication::processEvents();
    }

    WindowFixture fixture;
    SentenceWindow *w = nullptr;
};

TEST_F(WindowTest, TheCascadeRunsDownToTheSentencesOfTheClassShownFormedForThePupil)
{
    ASSERT_NE(open(2), nullptr);
    EXPECT_EQ(rowsOf(w->SuperCatListBox), texts({"Arbeitsverhalten"}));
    EXPECT_EQ(rowsOf(w->MainCatListBox), texts({"Lernbereitschaft", "Sorgfalt"}));
    EXPECT_EQ(rowsOf(w->SubCatSectionListBox), texts({"1", "2", "3"}));
    EXPECT_EQ(rowsOf(w->SentenceListBox), plus5Empty(texts({"#Er/Sie# zeigt großes Interesse.", "_ fragt nach."})));
    EXPECT_EQ(w->pCurrClass, 2);
    // A selected sentence is formed for the pupil, and formed again on every change.
    w->SentenceListBox->setListIndex(0);
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Er zeigt großes Interesse."));
    w->SexPopupMenu->setListIndex(1);
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Sie zeigt großes Interesse."));
    w->SentenceListBox->setListIndex(1);
    w->PrenameEditField->setText(QString());
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral("_ fragt nach."));
    w->PrenameEditField->setText(QStringLiteral("Lea"));
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral("Lea fragt nach."));
    w->MainCatListBox->setListIndex(1);
    EXPECT_EQ(rowsOf(w->SubCatListBox), QStringList{QStringLiteral("Heftführung")});
    EXPECT_EQ(rowsOf(w->SentenceListBox), plus5Empty({QStringLiteral("_s Hefte sind sauber.")}));
    EXPECT_EQ(w->pCurrCategory, QStringLiteral("Sorgfalt : Heftführung"));

    w->ClassesPopupMenu->setListIndex(4);
    EXPECT_EQ(app().pPrefs->GetLastClass(), 5);
    EXPECT_EQ(rowsOf(w->SuperCatListBox), texts({"Arbeitsverhalten", "Sozialverhalten"}));
    w->SuperCatListBox->setListIndex(1);
    EXPECT_EQ(rowsOf(w->SubCatSectionListBox), texts({"1", "4"}));
    w->SubCatSectionListBox->setListIndex(1);
    EXPECT_EQ(rowsOf(w->SentenceListBox), plus5Empty({QStringLiteral("#Er/Sie# hilft immer.")}));
    EXPECT_EQ(w->pCurrClass, 5);
    EXPECT_EQ(w->pCurrCatSection, QStringLiteral("4"));
}

TEST_F(WindowTest, WithTheDuFormAnEmptySectionSaysWhyAndTheNoticeIsNeverSaved)
{
    ASSERT_NE(open(1, true), nullptr);
    ASSERT_EQ(w->SentenceListBox->List(0), sentenceListDuFormNotice());
    w->ActionsButton_Action(QStringLiteral("Liste änderbar"));
    editRow(1, QStringLiteral("Du arbeitest gern."));
    EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 1, true), QStringLiteral("Du arbeitest gern."));
    EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 1),
              QStringLiteral("#Er/Sie# zeigt großes Interesse.\n_ fragt nach."));
}

TEST_F(WindowTest, AFinishedEditOfAChangedCellSavesTheWholeListAndOnlyThen)
{
    ASSERT_NE(open(), nullptr);
    w->TabPanel1->setCurrentIndex(2);
    w->ActionsButton_Action(QStringLiteral("Liste änderbar"));
    EXPECT_EQ(w->TabPanel1->currentIndex(), 0);
    EXPECT_FALSE(w->ClassesPopupMenu->isEnabled());
    ModalScript refusals; // pasted line ends become what the cell shows, and the next edit saves too
    editRow(1, QStringLiteral("Annas\nHeft\r\nist's\rwert"));
    editRow(3, QStringLiteral("Neu"));
    EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 1),
              QStringLiteral("#Er/Sie# zeigt großes Interesse.\nAnnas Heft ist's wert\n\nNeu"));
    EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 3), QStringLiteral("_ ist manchmal interessiert."));

    // Someone else changes the section: an edit that changed nothing, or leaving the mode, writes nothing back.
    Database other;
    ASSERT_TRUE(connectTo(other, fixture.dbPath()));
    other.SQLExecute(QStringLiteral("UPDATE Saetze SET Sentences = 'anders' WHERE Note = 1"));
    w->SentenceListBox->editItem(w->SentenceListBox->topLevelItem(0), 0);
    keyIntoFocus(Qt::Key_Return);
    QApplication::processEvents();
    w->TabPanel1->setCurrentIndex(1);
    EXPECT_FALSE(w->IsSentenceListEditable());
    EXPECT_TRUE(w->ClassesPopupMenu->isEnabled());
    EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 1), QStringLiteral("anders"));
}

// An older collection: Latin-1 bytes in a super-category and a variant, and a
// variant longer than a line editor holds by default.
TEST_F(WindowTest, StoredTextNobodyEditedKeepsEveryByteAndEveryNameLeadsToItsSection)
{
    ASSERT_NE(open(), nullptr);
    Database other;
    ASSERT_TRUE(connectTo(other, fixture.dbPath()));
    const QByteArray latin1 = "Gr\xfc\xdf" "e", lengthy(40000, 'x');
    ASSERT_TRUE(other.SQLExecute(QStringLiteral("UPDATE Saetze SET Oberkategorie = CAST(? AS TEXT), Sentences = ? "
                                                "WHERE Nr = 15"),
                                 {QByteArray("F\xf6rdern"), latin1 + '\r' + lengthy + "\rDrei"}));
    w->ClassesPopupMenu->setListIndex(1);
    w->SuperCatListBox->setListIndex(1);
    EXPECT_EQ(w->SuperCatListBox->List(1), QStringLiteral("F\uFFFDrdern"));
    ASSERT_EQ(rowsOf(w->SentenceListBox).mid(0, 3), texts({latin1.constData(), lengthy.constData(), "Drei"}));
    w->ActionsButton_Action(QStringLiteral("Liste änderbar"));
    editRow(1, QString()); // opened, nothing typed: nothing saved
    editRow(2, QStringLiteral("Vier"));
    EXPECT_EQ(firstValue(fixture.dbPath(), QStringLiteral("select hex(Sentences) as v from Saetze where Nr = 15")),
              QString::fromLatin1((latin1 + '\n' + lengthy + "\nVier").toHex().toUpper()));
}

TEST_F(WindowTest, TheNumberAndStandardPagesFormTheirTextOrSayWhyNot)
{
    const struct
    {
        bool du;
        const char *number;
        const char *variant;
        const char *shown;
        const char *message;
    } cases[] = {
        {false, "7", "2", "Tim fragt nach.", ""},
        {false, "7", "0", "", ""},
        {false, "99", "1", "", "Eine Formulierung mit dieser Nummer ist nicht vorhanden."},
        {false, "8", "1", "Du zeigst Interesse.", "Die korrespondierende „Du“-Formulierung wird verwendet."},
        {true, "7", "1", "Er zeigt großes Interesse.", "Die korrespondierende normale Formulierung wird verwendet."},
        {true, "9", "1", "Du bist manchmal interessiert.", ""},
    };
    ASSERT_NE(open(), nullptr);
    w->TabPanel1->setCurrentIndex(1);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.number + std::string("-") + c.variant);
        app().pPrefs->SetUseDu(c.du);
        type(w->SubNoEditField, QString::fromUtf8(c.variant));
        const QString message = type(w->CatNoEditField, QString::fromUtf8(c.number));
        EXPECT_EQ(w->SentenceEditField->Text(), QString::fromUtf8(c.shown));
        EXPECT_EQ(message.isEmpty(), !*c.message);
        EXPECT_TRUE(message.contains(QString::fromUtf8(c.message))) << message.toStdString();
        type(w->CatNoEditField, QString());
    }
    app().pPrefs->SetUseDu(false);
    w->TabPanel1->setCurrentIndex(2);
    w->NumListEditField->setText(QStringLiteral("9-1, 7-1"));
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral(" Tim ist manchmal interessiert. Er zeigt großes Interesse."));

    // The standard page composes a phrase and its optional appendix.
    w->TabPanel1->setCurrentIndex(4);
    EXPECT_EQ(rowsOf(w->StandardSentencesListBox), texts({"_ arbeitet fleißig", "#Er/Sie# ist eifrig"}));
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral("Tim arbeitet fleißig."));
    w->SexPopupMenu->setListIndex(1);
    w->StandardAppendicesListBox->setListIndex(0);
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral("Tim arbeitet fleißig, wenn sie will"));
    w->StandardSentencesListBox->setListIndex(1);
    EXPECT_EQ(rowsOf(w->StandardAppendicesListBox), QStringList());
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral("Sie ist eifrig."));
    w->StdCategoriesPopupMenu->setListIndex(1);
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral("Tim hält Ordnung."));
}

TEST_F(WindowTest, TheOrientingPageTakesLevelsInEachRowsRangeAndComposesInRowOrder)
{
    ASSERT_NE(open(5), nullptr);
    w->TabPanel1->setCurrentIndex(3);
    Listbox *list = w->OrientingListBox;
    ASSERT_EQ(list->ListCount(), 3);
    EXPECT_EQ(QStringList({list->Cell(2, 0), list->Cell(2, 1), list->Cell(2, 2), list->Cell(2, 3), list->Cell(2, 4)}),
              texts({"Sozialverhalten", "Hilfe : Bereitschaft : Mitschüler", "-", "1", "4"}));
    EXPECT_EQ(w->doOrientingListSentences(), QString());
    const auto typeLevel = [list](int row, const char *key) {
        list->setListIndex(row);
        list->setFocus();
        QTest::keyClicks(list, QString::fromUtf8(key));
        return list->Cell(row, 2);
    };
    EXPECT_EQ(typeLevel(0, "3"), QStringLiteral("3"));
    for (const char *refused : {"4", "0", "x"})
        EXPECT_EQ(typeLevel(0, refused), QStringLiteral("3")) << refused;
    EXPECT_EQ(typeLevel(2, "4"), QStringLiteral("4"));
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral(" Tim ist manchmal interessiert. Er hilft immer."));
    list->insertTopLevelItem(0, list->takeTopLevelItem(2));
    EXPECT_EQ(w->GetTransferSentence(), QStringLiteral(" Er hilft immer. Tim ist manchmal interessiert."));

    // A class change rebuilds the list when its page is shown again, levels reset.
    w->TabPanel1->setCurrentIndex(0);
    w->ClassesPopupMenu->setListIndex(0);
    w->TabPanel1->setCurrentIndex(3);
    EXPECT_EQ(list->ListCount(), 2);
    EXPECT_EQ(list->Cell(0, 2), QStringLiteral("-"));
}
} // namespace
