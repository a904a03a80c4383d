#include "WindowTestSupport.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/ImplicitInstance.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

WindowFixture::WindowFixture()
    : m_dbPath(m_dir.filePath(QStringLiteral("Formulierungshilfen.rbd")))
    , m_app(std::make_unique<App>())
{
}

WindowFixture::~WindowFixture()
{
    delete existingInstance<SentenceWindow>();
    m_app.reset();
}

SentenceWindow *WindowFixture::open(const std::vector<SentenceRow> &rows, int lastClass, bool useDu,
                                    const std::vector<StdPhraseRow> &stdRows)
{
    createSentenceDb(m_dbPath, rows, stdRows);
    m_app->pPrefs->SetLastClass(lastClass);
    m_app->pPrefs->SetUseDu(useDu);
    m_app->pSentenceDB = std::make_unique<SentenceDatabase>();
    m_app->pSentenceDB->setDatabaseFile(m_dbPath);
    if (!m_app->pSentenceDB->Connect())
        return nullptr;
    m_app->pIsStartingUp = true;
    SentenceWindow *window = implicitInstance<SentenceWindow>();
    window->show();
    m_app->pIsStartingUp = false;
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window);
    return window;
}

QString WindowFixture::stored(const QString &subCategory, int section, bool du) const
{
    return firstValue(m_dbPath, QStringLiteral("SELECT %1 AS v FROM Saetze WHERE Subkategorie = '%2' AND Note = %3")
                                    .arg(du ? QStringLiteral("DuSentences") : QStringLiteral("Sentences"), subCategory)
                                    .arg(section))
        .replace(u'\r', u'\n');
}

void typeIntoCell(SentenceWindow *window, int row, const QString &text)
{
    window->SentenceListBox->setFocus();
    window->SentenceListBox->setListIndex(row);
    window->SentenceListBox->editItem(window->SentenceListBox->topLevelItem(row), 0);
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
}

void keyIntoFocus(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no widget has the keyboard focus";
    QTest::keyClick(focus, key, modifiers);
}

QStringList rowsOf(const Listbox *list)
{
    QStringList rows;
    for (int r = 0; r < list->ListCount(); ++r)
        rows << list->List(r);
    return rows;
}
