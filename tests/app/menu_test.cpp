#include "app/App.h"
#include "app/Menu.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {
QStringList captions(QMenu *menu)
{
    QStringList list;
    for (QAction *a : menu->actions())
        list << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return list;
}
} // namespace

TEST(MenuBar, MenusItemsShortcutsAndTheirState)
{
    TempConfigHome home;
    App application;
    Menu &menu = *application.MenuBar();
    EXPECT_EQ(menu.menuNames(), (QStringList{QStringLiteral("FileMenu"), QStringLiteral("EditMenu"),
                                             QStringLiteral("SpezialMenu"), QStringLiteral("HilfeMenu")}));
    EXPECT_EQ(menu.menuNamed(QStringLiteral("FileMenu"))->title(), QStringLiteral("Ablage"));
    EXPECT_EQ(captions(menu.menuNamed(QStringLiteral("FileMenu"))),
              (QStringList{QStringLiteral("Formulierungshilfen importieren..."), QStringLiteral("Satzliste drucken..."),
                           QStringLiteral("Beenden")}));
    EXPECT_EQ(captions(menu.menuNamed(QStringLiteral("EditMenu"))),
              (QStringList{QStringLiteral("Widerrufen"), QStringLiteral("-"), QStringLiteral("Ausschneiden"),
                           QStringLiteral("Kopieren"), QStringLiteral("Einsetzen"), QStringLiteral("Löschen"),
                           QStringLiteral("Alles auswählen"), QStringLiteral("-"),
                           QStringLiteral("Voreinstellungen...")}));
    EXPECT_EQ(captions(menu.menuNamed(QStringLiteral("SpezialMenu"))),
              (QStringList{QStringLiteral("Übernehmen"), QStringLiteral("Über dieses Programm...")}));
    EXPECT_EQ(captions(menu.menuNamed(QStringLiteral("HilfeMenu"))),
              (QStringList{QStringLiteral("Internet-Support..."), QStringLiteral("Nach Aktualisierungen suchen...")}));
    EXPECT_EQ(menu.Child(QStringLiteral("FileQuit"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    EXPECT_EQ(menu.Child(QStringLiteral("TransferMenuItem"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+U")));
    EXPECT_EQ(menu.Child(QStringLiteral("EditSelectAll"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+A")));
    EXPECT_TRUE(menu.Child(QStringLiteral("EditClear"))->shortcut().isEmpty());

    // Import is always off; the application's own items are on.
    menu.Child(QStringLiteral("FileImportTabText"))->setEnabled(true);
    menu.updateMenuItems();
    EXPECT_FALSE(menu.Child(QStringLiteral("FileImportTabText"))->isEnabled());
    for (const char *item : {"AboutMenuItem", "EditPrefsMenuItem", "AppleWWWSupport", "Search4UpdatesItem", "FileQuit"})
        EXPECT_TRUE(menu.Child(QString::fromUtf8(item))->isEnabled()) << item;
    // No window handles these yet.
    EXPECT_FALSE(menu.Child(QStringLiteral("TransferMenuItem"))->isEnabled());
    EXPECT_FALSE(menu.Child(QStringLiteral("PrintSentenceListItem"))->isEnabled());
}

TEST(MenuBar, WindowsShareTheItemsAndHandlersGoByFocus)
{
    TempConfigHome home;
    App application;
    Menu &menu = *application.MenuBar();
    QMainWindow first, second;
    first.setMenuBar(menu.createMenuBar(&first));
    second.setMenuBar(menu.createMenuBar(&second));
    QAction *transfer = menu.Child(QStringLiteral("TransferMenuItem"));
    EXPECT_TRUE(first.menuBar()->actions().contains(menu.menuNamed(QStringLiteral("SpezialMenu"))->menuAction()));
    EXPECT_TRUE(second.menuBar()->actions().contains(menu.menuNamed(QStringLiteral("SpezialMenu"))->menuAction()));

    int windowRuns = 0, fieldRuns = 0;
    menu.addMenuHandler(QStringLiteral("TransferMenuItem"), &first, [&] { ++windowRuns; return false; });
    auto *field = new QLineEdit(QStringLiteral("abc"), &first);
    first.setCentralWidget(field);
    menu.addMenuHandler(QStringLiteral("EditSelectAll"), field, [&] { ++fieldRuns; return false; });
    first.show();
    first.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&first));
    field->setFocus();
    menu.updateMenuItems();
    EXPECT_TRUE(transfer->isEnabled());
    transfer->trigger();
    EXPECT_EQ(windowRuns, 1);
    menu.Child(QStringLiteral("EditSelectAll"))->trigger();
    EXPECT_EQ(fieldRuns, 1) << "the focused field handles select-all itself";

    // Without a handler of its own, a text field serves the edit commands.
    second.setCentralWidget(new QLineEdit(QStringLiteral("xyz"), &second));
    second.show();
    second.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&second));
    second.centralWidget()->setFocus();
    menu.updateMenuItems();
    EXPECT_FALSE(transfer->isEnabled()) << "the state is the same in both bars";
    menu.Child(QStringLiteral("EditSelectAll"))->trigger();
    EXPECT_EQ(static_cast<QLineEdit *>(second.centralWidget())->selectedText(), QStringLiteral("xyz"));
    EXPECT_EQ(fieldRuns, 1);

    // "Löschen" removes the selection and nothing else.
    auto *line = static_cast<QLineEdit *>(second.centralWidget());
    line->setCursorPosition(0);
    menu.Child(QStringLiteral("EditClear"))->trigger();
    EXPECT_EQ(line->text(), QStringLiteral("xyz"));
    line->setSelection(1, 1);
    menu.Child(QStringLiteral("EditClear"))->trigger();
    EXPECT_EQ(line->text(), QStringLiteral("xz"));

    // A read-only text keeps its text.
    auto *shown = new QPlainTextEdit(QStringLiteral("fest"), &second);
    second.setCentralWidget(shown);
    shown->setReadOnly(true);
    shown->show();
    shown->setFocus();
    shown->selectAll();
    menu.Child(QStringLiteral("EditClear"))->trigger();
    EXPECT_EQ(shown->toPlainText(), QStringLiteral("fest"));
}
