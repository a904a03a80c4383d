// The list and pop-up controls as the main window relies on them: a row
// selected from code always raises change, filling raises none, a required
// selection stays, and an editable column reports its edits.
#include "framework/Controls.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(ListboxTest, SelectingFromCodeAlwaysRaisesChangeAlsoForTheSelectedRow)
{
    Listbox list;
    QSignalSpy change(&list, &Listbox::change);
    list.AddRow(QStringLiteral("a"));
    list.AddRow(QStringLiteral("b"));
    EXPECT_EQ(change.count(), 0);
    list.setListIndex(1);
    list.setListIndex(1);
    EXPECT_EQ(change.count(), 2);
    EXPECT_EQ(list.ListIndex(), 1);
    list.setListIndex(-1);
    EXPECT_EQ(change.count(), 3);
    EXPECT_EQ(list.ListIndex(), -1);
    list.setListIndex(-1);
    EXPECT_EQ(change.count(), 4);
    // Past the last row nothing is selected and nothing raised.
    list.setListIndex(2);
    EXPECT_EQ(change.count(), 4);
    list.setListIndex(0);
    list.DeleteAllRows();
    EXPECT_EQ(change.count(), 5);
    list.setListIndex(0);
    EXPECT_EQ(change.count(), 5);
    EXPECT_EQ(list.List(list.ListIndex()), QString());
}

TEST(ListboxTest, AUserClickRaisesChangeOnceAndARequiredSelectionStays)
{
    Listbox list;
    list.setRequiresSelection(true);
    list.resize(200, 100);
    list.show();
    list.AddRow(QStringLiteral("a"));
    list.AddRow(QStringLiteral("b"));
    QSignalSpy change(&list, &Listbox::change);
    const QRect second = list.visualItemRect(list.topLevelItem(1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, second.center());
    EXPECT_EQ(list.ListIndex(), 1);
    EXPECT_EQ(change.count(), 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, second.center());
    EXPECT_EQ(list.ListIndex(), 1);

    Listbox free;
    free.resize(200, 100);
    free.show();
    free.AddRow(QStringLiteral("a"));
    free.setListIndex(0);
    const QRect first = free.visualItemRect(free.topLevelItem(0));
    QTest::mouseClick(free.viewport(), Qt::LeftButton, Qt::ControlModifier, first.center());
    EXPECT_EQ(free.ListIndex(), -1);
}

// Opens the editor of a row's first cell and types text into it; the editor or nullptr.
QLineEdit *typeIntoCell(Listbox &list, int row, const QString &text)
{
    list.editItem(list.topLevelItem(row), 0);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    if (editor)
        QTest::keyClicks(editor, text);
    return editor;
}

TEST(ListboxTest, EditableColumnReportsGotFocusTextChangeAndAction)
{
    Listbox list;
    list.resize(300, 120);
    list.show();
    QApplication::setActiveWindow(&list);
    list.AddRow(QStringLiteral("alt"));
    list.AddRow(QString());
    EXPECT_EQ(list.ColumnType(0), Listbox::TypeDefault);
    // Not editable: no editor opens.
    list.editItem(list.topLevelItem(0), 0);
    EXPECT_EQ(qobject_cast<QLineEdit *>(QApplication::focusWidget()), nullptr);

    list.setColumnType(0, Listbox::TypeEditable);
    QSignalSpy gotFocus(&list, &Listbox::cellGotFocus);
    QSignalSpy textChange(&list, &Listbox::cellTextChange);
    QSignalSpy action(&list, &Listbox::cellAction);
    QSignalSpy lostFocus(&list, &Listbox::cellLostFocus);
    list.setFocus();
    QLineEdit *editor = typeIntoCell(list, 1, QStringLiteral("neu"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(gotFocus.count(), 1);
    EXPECT_EQ(gotFocus.at(0).at(0).toInt(), 1);
    EXPECT_EQ(textChange.count(), 3);
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor commits from the event loop.
    QApplication::processEvents();
    EXPECT_EQ(action.count(), 1);
    EXPECT_EQ(lostFocus.count(), 1);
    EXPECT_EQ(list.List(1), QStringLiteral("neu"));

    // Escape drops the edit without an action.
    editor = typeIntoCell(list, 0, QStringLiteral("x"));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(action.count(), 1);
    EXPECT_EQ(list.List(0), QStringLiteral("alt"));

    // Switching the type back closes an open editor without saving it.
    ASSERT_NE(typeIntoCell(list, 0, QStringLiteral("y")), nullptr);
    list.setColumnType(0, Listbox::TypeNormal);
    QApplication::processEvents();
    EXPECT_EQ(action.count(), 1);
    EXPECT_EQ(list.List(0), QStringLiteral("alt"));
    EXPECT_EQ(list.ColumnType(0), Listbox::TypeNormal);
}

TEST(PopupMenuTest, FillingRaisesNothingAndSelectingAlwaysRaisesChange)
{
    PopupMenu menu;
    QSignalSpy change(&menu, &PopupMenu::change);
    menu.AddRow(QStringLiteral("1"));
    menu.AddRow(QStringLiteral("2"));
    EXPECT_EQ(change.count(), 0);
    EXPECT_EQ(menu.ListIndex(), 0);
    menu.setListIndex(0);
    menu.setListIndex(0);
    EXPECT_EQ(change.count(), 2);
    menu.setListIndex(5);
    EXPECT_EQ(change.count(), 2);
    EXPECT_EQ(menu.ListIndex(), 0);
    menu.DeleteAllRows();
    EXPECT_EQ(change.count(), 2);
    EXPECT_EQ(menu.ListIndex(), -1);
    EXPECT_EQ(menu.Text(), QString());
    // A hidden menu raises change as well.
    menu.hide();
    menu.AddRow(QStringLiteral("x"));
    menu.setListIndex(0);
    EXPECT_EQ(change.count(), 3);
}

TEST(ListboxTest, ColumnWidthsInPercentFollowTheWidth)
{
    Listbox list;
    list.setHeadings({QStringLiteral("a"), QStringLiteral("b")});
    list.setColumnWidths(QStringLiteral("25%,75%"));
    list.resize(400, 100);
    list.show();
    QApplication::processEvents();
    const int total = list.viewport()->width();
    EXPECT_NEAR(list.columnWidth(0), total / 4, 1);
    EXPECT_FALSE(list.isHeaderHidden());
}

} // namespace
