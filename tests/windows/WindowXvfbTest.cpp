// The main window on an X display of its own, driven by the mouse and keys
// as a teacher drives it: the transfer roads through the shipped scripts into
// a target window of our own, and what becomes of the teacher's edits.
#include "WindowTestSupport.h"

#include "app/App.h"
#include "app/Menu.h"
#include "app/QuitRequests.h"
#include "framework/Controls.h"
#include "framework/Database.h"
#include "framework/Folders.h"
#include "prefs/PreferencesClass.h"
#include "support/GuiTestSupport.h"
#include "support/TargetWindow.h"
#include "support/XvfbSession.h"
#include "windows/sentence/ExtendedEditField.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProcess>
#include <QSessionManager>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QTest>
#include <QTextCursor>
#include <QTimer>
#include <QWindow>

#include <optional>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace {
// Class 7 has two sections of "Interesse"; the second was cleared and saved.
std::vector<SentenceRow> rows()
{
    return {sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 1, 1, 10, 7,
                        "#Er/Sie# zeigt „großes“ Interesse.\r_ fragt nach."),
            sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 2, 1, 10, 8, "_ ist aufmerksam."),
            sentenceRow("Arbeitsverhalten", "Lernbereitschaft", "Interesse", 3, 7, 7, 9, "")};
}

class WindowXvfbTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!g_x->isRunning())
            GTEST_SKIP() << "no Xvfb, openbox or xdotool";
        setProgramFolder(qEnvironmentVariable("VM_BIN_DIR"));
        w = fixture.open(collection(), 7, false,
                         {{QStringLiteral("Fleiß"), 1, 1, 0, QStringLiteral("_ arbeitet fleißig")}});
        ASSERT_NE(w, nullptr);
        // A window mapped while the window manager still settles may stay unexposed; mapped anew it shows.
        if (!QTest::qWaitForWindowExposed(w, 3000)) {
            w->hide();
            w->show();
        }
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w, kXWaitMs));
        w->PrenameEditField->setText(QStringLiteral("Tim"));
        toFront();
    }
    void TearDown() override { setProgramFolder(QString()); }
    virtual std::vector<SentenceRow> collection() const { return rows(); }

    void toFront()
    {
        ASSERT_TRUE(g_x->activate(QString::number(w->winId())));
        ASSERT_TRUE(QTest::qWaitFor([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; },
                                    kXWaitMs));
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == w; }, kXWaitMs));
    }
    // A window of the test's own, off the screen. A line of xdotool calls ends by giving it a new
    // width, which reaches the program behind every event those calls made: once the window has
    // it, the program has handled them all.
    static QWidget &mark()
    {
        static QPointer<QWidget> window;
        if (!window) {
            window = new QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint
                                              | Qt::WindowDoesNotAcceptFocus);
            window->setGeometry(-200, -200, 10, 1);
            window->show();
            const QStringList geometry = {QStringLiteral("getwindowgeometry"), QString::number(window->winId())};
            EXPECT_TRUE(QTest::qWaitFor([&geometry] { return !g_x->xdotool(geometry).isEmpty(); }, kXWaitMs));
        }
        window->show();
        return *window;
    }
    // Starts a shell line of xdotool calls on the display; the mark's width once the program has handled them.
    static int startXdo(QProcess &tool, const QString &script)
    {
        const int width = mark().width() % 100 + 11;
        tool.setProcessEnvironment(g_x->environment());
        tool.start(QStringLiteral("sh"), {QStringLiteral("-c"), script + QStringLiteral("; xdotool windowsize %1 %2 1")
                                                                              .arg(mark().winId())
                                                                              .arg(width)});
        return width;
    }
    // Runs a shell line of xdotool calls on the display until the program has handled what they did.
    static void xdo(const QString &script)
    {
        QProcess tool;
        const int width = startXdo(tool, script);
        ASSERT_TRUE(tool.waitForStarted(5000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return tool.state() == QProcess::NotRunning && mark().width() == width; },
                                    kXWaitMs));
    }
    // Runs lines of xdotool calls one after another, each once the program has handled the one
    // before. A timer starts them, so they go on inside the event loop of a drag, which runs until
    // the button is let go; a line not handled in time lets the button go.
    static void xdoInTurn(const QStringList &lines)
    {
        QProcess tool;
        qsizetype next = 0;
        int width = 0;
        QElapsedTimer sinceStart;
        QTimer turn;
        turn.callOnTimeout([&] {
            if (next > 0 && (tool.state() != QProcess::NotRunning || mark().width() != width)) {
                if (sinceStart.elapsed() < kXWaitMs)
                    return;
                ADD_FAILURE() << "not handled in time: " << lines.at(next - 1).toStdString();
                g_x->xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
                next = lines.size();
            }
            if (next == lines.size())
                return turn.stop();
            width = startXdo(tool, lines.at(next++));
            sinceStart.start();
        });
        turn.start(10);
        (void)QTest::qWaitFor([&turn] { return !turn.isActive(); }, 2 * kXWaitMs);
        turn.stop();
    }
    // The text on the display's clipboard, as another program pastes it.
    static QString clipboardOfDisplay()
    {
        QProcess tool;
        tool.setProcessEnvironment(g_x->environment());
        tool.start(QStringLiteral("xclip"), {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-o")});
        if (!tool.waitForStarted(5000)
            || !QTest::qWaitFor([&tool] { return tool.state() == QProcess::NotRunning; }, kXWaitMs))
            return QStringLiteral("(no answer)");
        return QString::fromUtf8(tool.readAllStandardOutput());
    }
    static QString at(const QPoint &p)
    {
        return QStringLiteral("xdotool mousemove %1 %2 sleep 0.2 ").arg(p.x()).arg(p.y());
    }
    static QPoint centreOf(const QWidget *widget) { return widget->mapToGlobal(widget->rect().center()); }
    static QPoint rowCentre(Listbox *list, int row)
    {
        const QRect cell = list->visualItemRect(list->topLevelItem(row));
        return list->viewport()->mapToGlobal(QPoint(list->viewport()->width() / 2, cell.center().y()));
    }
    void click(Listbox *list, int row, const QString &extra = QString())
    {
        xdo(at(rowCentre(list, row)) + QStringLiteral("click ") + extra + QStringLiteral("1"));
    }

    void typeIntoOpenCell(const QString &text)
    {
        w->ActionsButton_Action(QStringLiteral("Liste änderbar"));
        typeIntoCell(w, 0, text);
    }

    WindowFixture fixture;
    SentenceWindow *w = nullptr;
};

// Five criteria of class 7, each with the levels 1 to 4. Defined before the
// tests of the other suite, so that it runs before their quitting.
class OrientingDragTest : public WindowXvfbTest
{
protected:
    std::vector<SentenceRow> collection() const override
    {
        std::vector<SentenceRow> criteria;
        for (int c = 1; c <= 5; ++c)
            for (int level = 1; level <= 4; ++level)
                criteria.push_back(sentenceRow("Arbeitsverhalten", "Fleiß", ("Kriterium " + std::to_string(c)).c_str(),
                                               level, 1, 10, c * 10 + level));
        return criteria;
    }
};

TEST_F(OrientingDragTest, ARowDraggedToTheTopStaysChosenAndTakesTheLevelTypedNext)
{
    w->TabPanel1->setCurrentIndex(3);
    Listbox *list = w->OrientingListBox;
    ASSERT_EQ(list->ListCount(), 5);
    const auto column = [list](int c) {
        QStringList cells;
        for (int row = 0; row < list->ListCount(); ++row)
            cells << list->Cell(row, c).section(QStringLiteral(" : "), -1);
        return cells;
    };
    // Pressed on row 3, carried up in steps and let go over the upper part of row 0; each
    // step once the program has handled the one before, so that no step is merged into the next.
    toFront();
    const QPoint from = rowCentre(list, 3);
    const QRect top = list->visualItemRect(list->topLevelItem(0));
    const QPoint to = list->viewport()->mapToGlobal(QPoint(list->viewport()->width() / 2, top.top() + top.height() / 4));
    const QString move = QStringLiteral("xdotool mousemove --sync %1 %2");
    xdoInTurn({move.arg(from.x()).arg(from.y()), QStringLiteral("xdotool mousedown 1"),
               QStringLiteral("xdotool mousemove_relative --sync -- 0 -3"),
               QStringLiteral("xdotool mousemove_relative --sync -- 0 -6"),
               QStringLiteral("xdotool mousemove_relative --sync -- 0 -10"), move.arg(to.x()).arg(to.y()),
               QStringLiteral("xdotool mousemove_relative --sync 1 0"), QStringLiteral("xdotool mouseup 1")});
    const QStringList dropped = texts({"Kriterium 4", "Kriterium 1", "Kriterium 2", "Kriterium 3", "Kriterium 5"});
    (void)QTest::qWaitFor([&] { return column(1) == dropped; }, kXWaitMs);
    ASSERT_EQ(column(1), dropped);
    EXPECT_EQ(list->ListIndex(), 0);
    xdo(QStringLiteral("xdotool key 3"));
    EXPECT_EQ(column(2), texts({"3", "-", "-", "-", "-"}));
}

TEST_F(WindowXvfbTest, EveryPageTransfersItsTextAndASentenceGoesByDoubleClickButtonAndDrag)
{
    QTemporaryDir outputs;
    TargetWindow target(QStringLiteral("Zeugnisschreiber"), outputs.filePath(QStringLiteral("target.txt")));
    ASSERT_FALSE(target.window().isEmpty());
    PreferencesClass &prefs = *app().pPrefs;
    prefs.SetTargetProcessname(QStringLiteral("Zeugnisschreiber"));
    prefs.SetTargetProcessCreator(QStringLiteral("Zeug"));
    prefs.SetConnectionType(QStringLiteral("ConnectGeneric"));
    prefs.SetLinkLocked(true);
    QString expected;
    const auto arrives = [&](const QString &text) {
        expected += text;
        EXPECT_TRUE(QTest::qWaitFor([&] { return target.text() == expected; }, kXWaitMs))
            << "target holds: " << target.text().toStdString() << "\nexpected: " << expected.toStdString();
        expected = target.text();
    };

    click(w->SentenceListBox, 1, QStringLiteral("--repeat 2 --delay 80 "));
    arrives(QStringLiteral("Tim fragt nach."));

    const struct
    {
        int page;
        std::function<void()> prepare;
        QString text;
    } pages[] = {
        {0, [this] { w->SentenceListBox->setListIndex(0); }, QStringLiteral("Er zeigt „großes“ Interesse.")},
        {1,
         [this] {
             w->CatNoEditField->setText(QStringLiteral("8"));
             w->SubNoEditField->setText(QStringLiteral("1"));
         },
         QStringLiteral("Tim ist aufmerksam.")},
        {2, [this] { w->NumListEditField->setText(QStringLiteral("7-2, 8-1")); },
         QStringLiteral(" Tim fragt nach. Tim ist aufmerksam.")},
        {3, [this] { w->OrientingListBox->setCell(0, 2, QStringLiteral("2")); },
         QStringLiteral(" Tim ist aufmerksam.")},
        {4, [] {}, QStringLiteral("Tim arbeitet fleißig.")},
    };
    for (const auto &page : pages) {
        SCOPED_TRACE(page.page);
        toFront();
        w->TabPanel1->setCurrentIndex(page.page);
        page.prepare();
        xdo(at(centreOf(w->TransferNumListButton)) + QStringLiteral("click 1"));
        arrives(page.text);
    }

    // A row dragged out of the list and dropped on the target arrives formed.
    w->TabPanel1->setCurrentIndex(0);
    w->SexPopupMenu->setListIndex(1);
    g_x->xdotool({QStringLiteral("windowmove"), target.window(), QString::number(w->frameGeometry().right() + 40),
                  QStringLiteral("60")});
    toFront();
    const QString geometry = g_x->xdotool({QStringLiteral("getwindowgeometry"), target.window()});
    const QStringList position = geometry.section(QStringLiteral("Position: "), 1).section(u' ', 0, 0).split(u',');
    ASSERT_EQ(position.size(), 2) << geometry.toStdString();
    const QPoint from = rowCentre(w->SentenceListBox, 0);
    QStringList steps = {QStringLiteral("xdotool mousemove --sync %1 %2").arg(from.x()).arg(from.y()),
                         QStringLiteral("xdotool mousedown 1")};
    for (int down : {5, 10, 20, 30, 40})
        steps << QStringLiteral("xdotool mousemove_relative --sync 0 %1").arg(down);
    xdoInTurn(steps << QStringLiteral("xdotool mousemove --sync %1 %2")
                           .arg(position.at(0).toInt() + 60)
                           .arg(position.at(1).toInt() + 40)
                    << QStringLiteral("xdotool mousemove_relative --sync 3 3") << QStringLiteral("xdotool mouseup 1"));
    arrives(QStringLiteral("Sie zeigt „großes“ Interesse."));
}

TEST_F(WindowXvfbTest, CtrlClickCollectsSentencesAndAnEmptySectionShowsAndTakesOnlyItsEmptyRows)
{
    click(w->SentenceListBox, 0);
    // Ctrl is let go once the click is handled: the program asks the keyboard for it then.
    xdo(QStringLiteral("xdotool keydown ctrl"));
    xdo(at(rowCentre(w->SentenceListBox, 1)) + QStringLiteral("click 1"));
    xdo(QStringLiteral("xdotool keyup ctrl"));
    EXPECT_EQ(w->SentenceFromListField->Text(), QStringLiteral("Er zeigt „großes“ Interesse. Tim fragt nach."));
    click(w->SentenceListBox, 2);
    EXPECT_EQ(w->SentenceFromListField->Text(), QString());

    ASSERT_EQ(rowsOf(w->SubCatSectionListBox), texts({"1", "2", "3"}));
    const QStringList empty(5, QString());
    for (int row : {2, 0, 2}) {
        click(w->SubCatSectionListBox, row);
        EXPECT_EQ(rowsOf(w->SentenceListBox).mid(row == 2 ? 0 : 2), empty) << row;
    }
    // What is chosen is what is shown: nothing.
    click(w->SentenceListBox, 0);
    EXPECT_EQ(w->SentenceFromListField->Text(), QString());

    w->ActionsButton_Action(QStringLiteral("Liste änderbar"));
    w->SentenceListBox->editItem(w->SentenceListBox->topLevelItem(0), 0);
    xdo(QStringLiteral("xdotool type --delay 40 Neu; xdotool key Return"));
    EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 3), QStringLiteral("Neu"));
    EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 2), QStringLiteral("_ ist aufmerksam."));
}

TEST_F(WindowXvfbTest, AFailedSaveNamesTheSectionAndWhyAndKeepsTheEdit)
{
    const struct
    {
        const char *blocker;
        QString why;
    } cases[] = {
        {"BEGIN EXCLUSIVE", QStringLiteral("von einem anderen Programm verwendet")},
        {"INSERT INTO Saetze SELECT * FROM Saetze WHERE Note = 1", QStringLiteral("mehrfach in der Datenbank")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.blocker);
        Database other;
        ASSERT_TRUE(connectTo(other, fixture.dbPath()));
        other.SQLExecute(QString::fromUtf8(c.blocker));
        ModalScript answers;
        w->ActionsButton_Action(QStringLiteral("Liste änderbar"));
        w->SentenceListBox->editItem(w->SentenceListBox->topLevelItem(1), 0);
        xdo(QStringLiteral("xdotool type --delay 40 Neu; xdotool key Return"));
        EXPECT_TRUE(QTest::qWaitFor([&answers] { return !answers.seen.isEmpty(); }, kXWaitMs));
        const QString shown = answers.seen.join(u'|');
        const QString section = QStringLiteral("Klasse 7, Arbeitsverhalten / Lernbereitschaft / Interesse, Stufe 1");
        EXPECT_TRUE(shown.contains(section)) << shown.toStdString();
        EXPECT_TRUE(shown.contains(c.why)) << shown.toStdString();
        EXPECT_TRUE(w->SentenceListBox->List(1).endsWith(QStringLiteral("Neu")));
        other.SQLExecute(QStringLiteral("ROLLBACK"));
        other.SQLExecute(QStringLiteral("DELETE FROM Saetze WHERE rowid > 3"));
        EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 1),
                  QStringLiteral("#Er/Sie# zeigt „großes“ Interesse.\n_ fragt nach."));
    }
}

TEST_F(WindowXvfbTest, AtItsMinimumSizeEveryTabTitleIsWholeEveryListShowsTwoRowsAndNothingOverlaps)
{
    w->resize(1, 1);
    QWidget *content = w->centralWidget();
    ASSERT_TRUE(QTest::qWaitFor([content] { return content->size() == content->minimumSize(); }, kXWaitMs));
    // Every page's tab shows its whole title, none behind scroll arrows.
    QTabBar *tabs = w->TabPanel1->tabBar();
    for (int page = 0; page < tabs->count(); ++page) {
        const QRect tab = tabs->tabRect(page);
        EXPECT_TRUE(tabs->rect().contains(tab)) << tabs->tabText(page).toStdString();
        EXPECT_GE(tab.width(), tabs->fontMetrics().horizontalAdvance(tabs->tabText(page)))
            << tabs->tabText(page).toStdString();
    }
    for (const QToolButton *arrow : tabs->findChildren<QToolButton *>())
        EXPECT_FALSE(arrow->isVisible()) << "scroll arrows";
    for (int page = 0; page < 5; ++page) {
        SCOPED_TRACE(page);
        w->TabPanel1->setCurrentIndex(page);
        QApplication::processEvents();
        QList<QWidget *> shown;
        for (QWidget *child : w->TabPanel1->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (child->isVisible() && child != w->TabPanel1)
                shown << child;
        for (QWidget *control : shown) {
            auto *list = qobject_cast<Listbox *>(control);
            auto *field = qobject_cast<ExtendedEditField *>(control);
            if (list || (field && field->isMultiLine())) {
                const int rowHeight = list && list->ListCount() ? list->sizeHintForRow(0)
                                                                : control->fontMetrics().lineSpacing();
                const int visible = static_cast<QAbstractScrollArea *>(control)->viewport()->height();
                EXPECT_GE(visible, (list ? 2 : 1) * rowHeight) << control->objectName().toStdString();
                if (field) { // its first line whole, not cut at the bottom
                    EXPECT_LT(field->cursorRect(QTextCursor(field->document())).bottom(), visible)
                        << control->objectName().toStdString();
                }
            }
            for (QWidget *other : shown)
                EXPECT_TRUE(control == other || !control->geometry().intersects(other->geometry()))
                    << control->objectName().toStdString() << " overlaps " << other->objectName().toStdString();
        }
    }
}

// A logout, a shutdown, kill, a closed terminal and Ctrl+C in it quit as the
// quit command does: the open cell saved, the preferences written, status 0.
// An edit that cannot be saved keeps the program open for the clipboard; the
// preferences are on disk before its message waits, for a kill may follow.
// A request in a save or its message is carried out after it; unsaveable: the
// database is held by another program until the quit's message.
enum Arrives { CellOpen, DuringSave, MessageOpen, CellOpenUnsaveable };
class QuitSignalTest : public WindowXvfbTest, public ::testing::WithParamInterface<std::pair<int, Arrives>>
{
};

TEST_P(QuitSignalTest, SavesTheOpenCellAndThePreferencesAsTheQuitCommandDoes)
{
    QuitRequests requests(app());
    const auto [signal, when] = GetParam();
    const bool stays = when == CellOpenUnsaveable;
    const QString prefsFile = QDir(preferencesFolder()).filePath(preferencesFileName());
    QByteArray prefs; // the file while the message of a quit that stays waits
    w->ClassesPopupMenu->setListIndex(4);
    const QString before = fixture.stored(QStringLiteral("Interesse"), 1).section(u'\n', 0, 0);
    typeIntoOpenCell(QStringLiteral("Tim hilft gern."));
    std::optional<LockingProcess> holder; // another program, until the request is handled
    ASSERT_TRUE(when == CellOpen || holder.emplace(fixture.dbPath()).locked());
    const auto request = [signal] { signal ? void(::kill(::getpid(), signal))
                                           : emit qApp->commitDataRequest(*qApp->findChild<QSessionManager *>()); };
    QObject::connect(w->SentenceListBox->model(), &QAbstractItemModel::dataChanged, &requests,
                     [&] { when == DuringSave ? request() : void(); }, Qt::SingleShotConnection);
    if (holder)
        whenModal([&](QWidget *message) {
            when == MessageOpen ? request() : void();
            QCoreApplication::processEvents(); // handles a signal's request while the message is open
            holder.reset();
            if (stays) { // the quit's message: the test ends the run that the program keeps
                prefs = readBytes(prefsFile);
                QCoreApplication::exit(3);
            }
            message->close();
        }, kXWaitMs);
    QTimer::singleShot(0, [&] {
        when == CellOpen || stays ? request() : xdo(QStringLiteral("xdotool key Return"));
        if (!signal) { // the session manager's save request: the program goes on, with the preferences written
            QObject::disconnect(qApp, &QCoreApplication::aboutToQuit, &app(), nullptr);
            QCoreApplication::exit(2);
        }
    });
    QTimer failSafe;
    failSafe.callOnTimeout([] { QCoreApplication::exit(1); });
    failSafe.start(kXWaitMs);
    EXPECT_EQ(QApplication::exec(), stays ? 3 : signal ? 0 : 2);
    EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 1).section(u'\n', 0, 0),
              stays ? before : QStringLiteral("Tim hilft gern."));
    EXPECT_TRUE((stays ? prefs : readBytes(prefsFile)).contains("\nLastClass=5\n"));
    EXPECT_EQ(app().pSentenceDB->isConnected(), !signal || stays) << "quitting closes the database";
}

INSTANTIATE_TEST_SUITE_P(TermHupInt, QuitSignalTest,
                         ::testing::Values(std::pair(SIGTERM, CellOpen), std::pair(SIGHUP, CellOpen),
                                           std::pair(SIGINT, CellOpen), std::pair(SIGTERM, DuringSave),
                                           std::pair(SIGHUP, MessageOpen), std::pair(SIGTERM, CellOpenUnsaveable),
                                           std::pair(0, CellOpen), std::pair(0, MessageOpen)));

// Before the session ends, its manager asks the program to save: the open cell and the
// preferences are saved as at quitting, and the program goes on. An edit that cannot be
// saved goes to the clipboard; a message says so only when the manager allows one.
TEST_F(WindowXvfbTest, TheSessionsSaveRequestSavesTheOpenCellAndThePreferencesAndGoesOn)
{
    const struct
    {
        const char *edit;
        bool mayShowMessages;
        bool locked; // another program holds the database
        int messages;
    } cases[] = {
        {"Tim fragt gern.", true, false, 0},
        {"Tim fragt oft.", false, true, 0},
        {"Tim fragt viel.", true, true, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.edit);
        // The class change leaves the section: an edit still unsaved from the last case is saved then.
        w->ClassesPopupMenu->setListIndex(3);
        const QString before = fixture.stored(QStringLiteral("Interesse"), 1);
        typeIntoOpenCell(utf8(c.edit));
        std::optional<LockingProcess> holder;
        if (c.locked) {
            holder.emplace(fixture.dbPath());
            ASSERT_TRUE(holder->locked());
        }
        ModalScript answers;
        EXPECT_EQ(app().saveForSessionEnd(c.mayShowMessages), !c.locked);
        EXPECT_EQ(answers.seen.size(), c.messages) << answers.seen.join(u'|').toStdString();
        holder.reset();
        const QString edited = utf8(c.edit) + QStringLiteral("\n_ fragt nach.");
        EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 1), c.locked ? before : edited);
        if (c.locked) {
            EXPECT_EQ(clipboardOfDisplay(), edited);
        }
        EXPECT_TRUE(readBytes(QDir(preferencesFolder()).filePath(preferencesFileName())).contains("\nLastClass=4\n"));
        EXPECT_TRUE(w->isVisible() && app().pSentenceDB->isConnected());
    }
}

// A failed save: finishing a cell again tries again, and leaving the section
// tries once more and, failing, leaves the edit on the clipboard. A section
// changed by another program since it was shown is never overwritten.
TEST_F(WindowXvfbTest, AFailedSaveIsTriedAgainAndLeavingTheSectionNeverDropsTheEdit)
{
    const QString elsewhere = QStringLiteral("UPDATE Saetze SET Sentences = 'Von anderswo' WHERE Note = 1;");
    const struct
    {
        const char *edit;
        const char *then; // what the teacher does after the failed save
        bool changed;     // another program stored a change instead of holding the file
        bool released;    // the other program has let go meanwhile
        QString why;
    } cases[] = {
        {"Tim ist wach.", "Return", false, true, QStringLiteral("anderen Programm verwendet")},
        {"Tim ist munter.", "section", false, true, QStringLiteral("anderen Programm verwendet")},
        {"Tim ist froh.", "section", false, false, QStringLiteral("anderen Programm verwendet")},
        {"Tim ist da.", "section", true, true, QStringLiteral("an anderer Stelle geändert")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.edit);
        click(w->SubCatSectionListBox, 0);
        const QString before = c.changed ? QStringLiteral("Von anderswo") : fixture.stored(QStringLiteral("Interesse"), 1);
        LockingProcess holder(fixture.dbPath(), c.changed ? elsewhere : QString(), c.changed ? 0 : -1);
        ASSERT_TRUE(holder.locked());
        ModalScript answers;
        typeIntoOpenCell(utf8(c.edit));
        xdo(QStringLiteral("xdotool key Return"));
        ASSERT_TRUE(QTest::qWaitFor([&answers] { return !answers.seen.isEmpty(); }, kXWaitMs));
        EXPECT_TRUE(answers.seen.first().contains(c.why)) << answers.seen.first().toStdString();
        EXPECT_TRUE(answers.seen.first().contains(QStringLiteral("steht weiter in der Liste")));
        if (c.released)
            holder.release();
        if (utf8(c.then) == QStringLiteral("Return")) {
            w->SentenceListBox->editItem(w->SentenceListBox->topLevelItem(0), 0);
            xdo(QStringLiteral("xdotool key Return"));
        } else {
            click(w->SubCatSectionListBox, 1);
        }
        holder.release();
        const QString edited = utf8(c.edit) + QStringLiteral("\n_ fragt nach.");
        const bool saved = c.released && !c.changed;
        EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 1), saved ? edited : before);
        EXPECT_EQ(answers.seen.size(), saved ? 1 : 2) << answers.seen.join(u'|').toStdString();
        if (!saved) {
            EXPECT_TRUE(answers.seen.last().contains(QStringLiteral("Ihre Änderung ist nicht gespeichert")));
            EXPECT_TRUE(answers.seen.last().contains(QStringLiteral("Zwischenablage")));
            EXPECT_EQ(clipboardOfDisplay(), edited);
        }
    }
    // Shown again, the section shows what is stored.
    click(w->SubCatSectionListBox, 0);
    EXPECT_EQ(w->SentenceListBox->List(0), QStringLiteral("Von anderswo"));
}

TEST_F(WindowXvfbTest, EndingTheEditingModeFromTheMenuSavesTheOpenCell)
{
    const struct
    {
        const char *edit;
        bool byMouse; // through the popped-up menu, or the command reached while the cell keeps the focus
    } cases[] = {{"Tim ist wach.", true}, {"Tim ist munter.", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.edit);
        typeIntoOpenCell(utf8(c.edit));
        if (c.byMouse) {
            // The menu pops up under the button and runs its own event loop; once it is on
            // the screen, its second command, which ends the mode, is chosen by the keys.
            QProcess keys;
            keys.setProcessEnvironment(g_x->environment());
            QTimer menuOnScreen;
            menuOnScreen.setInterval(50);
            menuOnScreen.callOnTimeout([&] {
                const QWindow *popup = w->ActionsMenu->windowHandle();
                if (!w->ActionsMenu->isVisible() || !popup || !popup->isExposed())
                    return;
                menuOnScreen.stop();
                keys.start(QStringLiteral("xdotool"), texts({"sleep", "0.1", "key", "Down", "Down", "Return"}));
            });
            const auto shownOnce = QObject::connect(w->ActionsMenu, &QMenu::aboutToShow, w,
                                                    [&menuOnScreen] { menuOnScreen.start(); });
            QTimer failSafe; // a menu that never shows its commands is closed
            failSafe.setSingleShot(true);
            failSafe.callOnTimeout(w->ActionsMenu, &QMenu::hide);
            failSafe.start(kXWaitMs);
            xdo(at(centreOf(w->ActionsButton)) + QStringLiteral("click 1"));
            QObject::disconnect(shownOnce);
            EXPECT_TRUE(QTest::qWaitFor([&keys] { return keys.state() == QProcess::NotRunning; }, kXWaitMs));
            EXPECT_TRUE(failSafe.isActive()) << "the menu did not show";
        } else {
            ASSERT_NE(qobject_cast<QLineEdit *>(QApplication::focusWidget()), nullptr);
            w->ActionsButton_Action(QStringLiteral("Liste nicht änderbar"));
        }
        EXPECT_FALSE(w->IsSentenceListEditable());
        EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 1), utf8(c.edit) + QStringLiteral("\n_ fragt nach."));
    }
}

// Quitting and closing the window (last, as it ends the program's run).
TEST_F(WindowXvfbTest, QuittingSavesTheOpenCellOrLeavesItOnTheClipboardAndSaysSo)
{
    enum Lock { None, Throughout, ReleasedAfterTheMessage }; // another program's hold on the database
    const struct
    {
        const char *keys;
        const char *edit;
        Lock lock;
    } cases[] = {{"ctrl+q", "Tim ist wach.", Throughout},
                 {"ctrl+q", "Tim ist froh.", ReleasedAfterTheMessage},
                 {"alt+F4", "Tim ist munter.", None}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.edit);
        const QString before = fixture.stored(QStringLiteral("Interesse"), 1);
        std::optional<LockingProcess> holder;
        if (c.lock != None) {
            ASSERT_TRUE(holder.emplace(fixture.dbPath()).locked());
        }
        ModalScript answers;
        typeIntoOpenCell(utf8(c.edit));
        xdo(QStringLiteral("xdotool key --clearmodifiers ") + utf8(c.keys));
        const QString edited = utf8(c.edit) + QStringLiteral("\n_ fragt nach.");
        EXPECT_EQ(answers.seen.size(), c.lock != None ? 1 : 0);
        if (c.lock != None) {
            // The program stays this once, so that the clipboard's text is still served.
            EXPECT_TRUE(answers.seen.value(0).contains(QStringLiteral("Zwischenablage")));
            EXPECT_TRUE(answers.seen.value(0).contains(QStringLiteral("bleibt dafür geöffnet")));
            EXPECT_EQ(clipboardOfDisplay(), edited);
            EXPECT_TRUE(w->isVisible() && app().pSentenceDB->isConnected());
            if (c.lock == ReleasedAfterTheMessage) {
                // The edit is still unsaved in the list: finishing a cell saves it now.
                holder.reset();
                w->SentenceListBox->editItem(w->SentenceListBox->topLevelItem(0), 0);
                xdo(QStringLiteral("xdotool key Return"));
            }
            // The next quit goes, saved or not, without a second message.
            xdo(QStringLiteral("xdotool key --clearmodifiers ctrl+q"));
            EXPECT_EQ(answers.seen.size(), 1);
        }
        holder.reset();
        EXPECT_EQ(fixture.stored(QStringLiteral("Interesse"), 1), c.lock == Throughout ? before : edited);
        EXPECT_FALSE(app().pSentenceDB->isConnected()) << "quitting closes the database";
        // The program of the test goes on with it; a run of its main loop ends
        // the quit, which would return every later event loop at once.
        ASSERT_TRUE(app().pSentenceDB->Connect());
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }
}
} // namespace
