#include "WindowTestSupport.h"

#include "app/App.h"
#include "framework/Controls.h"
#include "framework/Database.h"
#include "framework/ImplicitInstance.h"
#include "windows/sentence/SentenceWindow.h"

#include <QTest>

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
    Database db;
    db.setDatabaseFile(m_dbPath);
    const QString column = du ? QStringLiteral("DuSentences") : QStringLiteral("Sentences");
    const auto rs = db.Connect() ? db.SQLSelect(QStringLiteral("SELECT %1 FROM Saetze WHERE Subkategorie = '%2' AND "
                                                               "Note = %3")
                                                    .arg(column, subCategory)
                                                    .arg(section))
                                 : nullptr;
    if (!rs)
        return QStringLiteral("<no database>");
    rs->MoveFirst();
    return rs->IsEOF() ? QStringLiteral("<no row>") : rs->Field(column).replace(u'\r', u'\n');
}

QStringList rowsOf(const Listbox *list)
{
    QStringList rows;
    for (int r = 0; r < list->ListCount(); ++r)
        rows << list->List(r);
    return rows;
}
