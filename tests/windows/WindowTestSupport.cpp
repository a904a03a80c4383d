#include "WindowTestSupport.h"

#include "app/App.h"
#include "framework/Database.h"
#include "framework/ImplicitInstance.h"
#include "windows/sentence/SentenceWindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QWindow>

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

SentenceWindow *WindowFixture::openExisting(const QString &path, int lastClass)
{
    QFile::remove(m_dbPath);
    if (!QFile::copy(path, m_dbPath))
        return nullptr;
    return openWindow(lastClass, false);
}

SentenceWindow *WindowFixture::open(const std::vector<SentenceRow> &rows, int lastClass, bool useDu,
                                    const std::vector<StdPhraseRow> &stdRows)
{
    createSentenceDb(m_dbPath, rows, stdRows);
    return openWindow(lastClass, useDu);
}

SentenceWindow *WindowFixture::openWindow(int lastClass, bool useDu)
{
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

QString WindowFixture::storedColumn(const QString &column, const QString &mainCategory, const QString &subCategory,
                                    int section) const
{
    Database db;
    db.setDatabaseFile(m_dbPath);
    if (!db.Connect())
        return QStringLiteral("<no database>");
    const auto rs = db.SQLSelect(QStringLiteral("SELECT ") + column + QStringLiteral(" FROM Saetze WHERE Kategorie = '")
                                 + sqlText(mainCategory) + QStringLiteral("' AND Subkategorie = '")
                                 + sqlText(subCategory) + QStringLiteral("' AND Note = ") + QString::number(section));
    if (!rs)
        return QStringLiteral("<no cursor>");
    rs->MoveFirst();
    return rs->IsEOF() ? QStringLiteral("<no row>") : rs->Field(column);
}

bool storeReadsSentences()
{
    static const bool reads = [] {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("probe.rbd"));
        createSentenceDb(path, {{QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("U"), 1, 1, 10, 1,
                                 QStringLiteral("probe"), QString()}});
        std::unique_ptr<App> owned;
        if (!hasApp())
            owned = std::make_unique<App>();
        auto probeDb = std::make_unique<SentenceDatabase>();
        probeDb->setDatabaseFile(path);
        probeDb->Connect();
        std::swap(app().pSentenceDB, probeDb);
        const QString read = app().GetSentences2Category(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("U"),
                                                         QStringLiteral("1"), 1, false, false);
        std::swap(app().pSentenceDB, probeDb);
        return read == QStringLiteral("probe");
    }();
    return reads;
}

QString sampleDatabase()
{
    const QString path =
        QDir(qEnvironmentVariable("VM_BIN_DIR")).filePath(QStringLiteral("Formulierungshilfen.rbd"));
    return QFile::exists(path) ? path : QString();
}

bool formingFillsNames()
{
    std::unique_ptr<App> owned;
    if (!hasApp())
        owned = std::make_unique<App>();
    return app().VM_formSentence(QStringLiteral("_"), true, QStringLiteral("Anna")) == QStringLiteral("Anna");
}

namespace {
QWindow *keyWindow()
{
    QWidget *window = QApplication::activeWindow();
    return window ? window->windowHandle() : nullptr;
}
} // namespace

// Through the window system, so that the keyboard's modifier state follows.
AltKeyHeld::AltKeyHeld()
{
    if (QWindow *window = keyWindow())
        QTest::keyPress(window, Qt::Key_Alt, Qt::AltModifier);
}

AltKeyHeld::~AltKeyHeld()
{
    if (QWindow *window = keyWindow())
        QTest::keyRelease(window, Qt::Key_Alt, Qt::NoModifier);
}
