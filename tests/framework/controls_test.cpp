#include "framework/Controls.h"
#include "framework/EdgeLocks.h"
#include "framework/Pictures.h"
#include "framework/Folders.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

TEST(ListControls, SelectingFromCodeOrByClickAlwaysRaisesChange)
{
    Listbox list;
    list.AddRow(QStringLiteral("a"));
    list.AddRow(QStringLiteral("b"));
    QSignalSpy spy(&list, &Listbox::change);
    for (const int row : {1, 1, -1}) // the row already selected too
        list.setListIndex(row);
    EXPECT_EQ(spy.count(), 3);
    EXPECT_EQ(list.ListIndex(), -1);
    list.resize(200, 200);
    list.show();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.topLevelItem(1)).center());
    EXPECT_EQ(spy.count(), 4) << "a click raises change once";
    EXPECT_EQ(list.ListIndex(), 1);
    list.DeleteAllRows();
    EXPECT_EQ(spy.count(), 4) << "clearing the list is no selection";

    PopupMenu popup;
    popup.AddRow(QStringLiteral("1"));
    popup.AddRow(QStringLiteral("2"));
    QSignalSpy popupSpy(&popup, &PopupMenu::change);
    popup.setListIndex(1);
    popup.setListIndex(1);
    popup.setCurrentIndex(0); // as a user's choice does
    EXPECT_EQ(popupSpy.count(), 3);
}

TEST(ListControls, SelectingEveryRowIsOneChange)
{
    Listbox list;
    list.setSelectionMode(QAbstractItemView::ExtendedSelection);
    QSignalSpy spy(&list, &Listbox::change);
    const struct
    {
        int rows;
        bool selected;
        int selectedAfter, changes;
    } cases[] = {{0, true, 0, 0}, {3, true, 3, 1}, {3, true, 3, 1}, {3, false, 0, 1}, {3, false, 0, 1}};
    for (const auto &c : cases) {
        while (list.ListCount() < c.rows)
            list.AddRow(QStringLiteral("Zeile"));
        spy.clear();
        list.setAllRowsSelected(c.selected);
        EXPECT_EQ(list.selectedItems().size(), c.selectedAfter) << c.rows << c.selected;
        EXPECT_EQ(spy.count(), c.changes) << c.rows << c.selected;
    }
}

TEST(EdgeLocks, ControlsFollowTheEdgesTheyAreLockedTo)
{
    QWidget window;
    window.resize(400, 300);
    EdgeLocks locks(&window);
    QWidget fixed(&window), stretched(&window), bottomRight(&window);
    locks.place(&fixed, {10, 10, 50, 20}, Qt::LeftEdge | Qt::TopEdge);
    locks.place(&stretched, {10, 40, 380, 200}, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    locks.place(&bottomRight, {300, 270, 90, 20}, Qt::RightEdge | Qt::BottomEdge);
    window.resize(300, 250);
    locks.apply();
    EXPECT_EQ(fixed.geometry(), QRect(10, 10, 50, 20));
    EXPECT_EQ(stretched.geometry(), QRect(10, 40, 280, 150));
    EXPECT_EQ(bottomRight.geometry(), QRect(200, 220, 90, 20));
}

TEST(Pictures, MissingPictureIsEmptyAndKept)
{
    QTemporaryDir dir;
    setProgramFolder(dir.path());
    const QPixmap &first = pictureByNumber(9999, true);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(&first, &pictureByNumber(9999, true)) << "loaded once, then the kept picture";
    for (int number = 10000; number < 10200; ++number)
        pictureByNumber(number, false);
    EXPECT_EQ(&first, &pictureByNumber(9999, true)) << "a picture handed out stays where it is";
    setProgramFolder(QString());
}
