#include "App.h"

#include "app/MakerWebSite.h"
#include "app/Menu.h"
#include "app/MessageDialogs.h"
#include "windows/dialogs/AboutDialog.h"
#include "windows/dialogs/PrefsDialog.h"
#include "windows/sentence/SentenceWindow.h"
#include "framework/ImplicitInstance.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QScopedValueRollback>
#include <QUrl>

#include <utility>

namespace {
App *g_app = nullptr;
}

App &app()
{
    Q_ASSERT(g_app);
    return *g_app;
}

bool hasApp()
{
    return g_app != nullptr;
}

App::App()
    : pPrefs(std::make_unique<PreferencesClass>())
    , pSentenceDB(std::make_unique<SentenceDatabase>())
    , m_menu(std::make_unique<Menu>())
{
    g_app = this;
    registerMenuHandlers();
    m_menu->addEnableHook(this, [this] { EnableMenuItems(); });
    m_menu->updateMenuItems();
    m_menu->reachFromEveryWindow({QStringLiteral("FileQuit"), QStringLiteral("AboutMenuItem"),
                                  QStringLiteral("EditPrefsMenuItem"), QStringLiteral("AppleWWWSupport"),
                                  QStringLiteral("Search4UpdatesItem")});
    // The program decides itself when to quit, also while only a message
    // dialog of the start-up is open.
    QApplication::setQuitOnLastWindowClosed(false);
    connect(qApp, &QCoreApplication::aboutToQuit, this, &App::Close);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            Deactivate();
    });
}

App::~App()
{
    if (g_app == this)
        g_app = nullptr;
}

void App::registerMenuHandlers()
{
    const auto bind = [this](const char *item, bool (App::*handler)()) {
        m_menu->addMenuHandler(QString::fromUtf8(item), nullptr, [this, handler] { return (this->*handler)(); });
    };
    bind("AboutMenuItem", &App::_AboutMenuItem_Action);
    bind("EditPrefsMenuItem", &App::_EditPrefsMenuItem_Action);
    bind("AppleWWWSupport", &App::_AppleWWWSupport_Action);
    bind("FileImportTabText", &App::_FileImportTabText_Action);
    bind("FileQuit", &App::_FileQuit_Action);
    bind("Search4UpdatesItem", &App::_Search4UpdatesItem_Action);
}

void App::Open()
{
    pAppIsStartingUp = true;
    pVersionInfo = std::make_unique<VersionInfo>();
    pPrefs = std::make_unique<PreferencesClass>(ReadPrefs());
    pIsStartingUp = true;
    const bool ok = OpenSentenceDBwithName(pPrefs->pSentencesDBName);
    if (ok) {
        implicitInstance<SentenceWindow>()->show();
        if (pFirstLaunch) {
            ShowOKDialog(QStringLiteral("Bitte Zielanwendung öffnen"),
                         QStringLiteral("Bitte wählen Sie nun das Programm aus, mit welchem Sie Ihr "
                                        "Zeugnisformular erstellen wollen bzw. erstellt haben."),
                         QString());
            SelectTargetApp();
        }
    } else {
        ShowOKDialog(QStringLiteral("Formulierungshilfen nicht gefunden!"),
                     QStringLiteral("Die Datenbank mit den Formulierungshilfen wurde nicht gefunden!"), QString());
        QCoreApplication::exit(0);
    }
    pIsStartingUp = false;
    pAppIsStartingUp = false;
}

void App::Close()
{
    if (pPrefs)
        SavePrefs(*pPrefs);
}

void App::Deactivate()
{
    if (pPrefs && pPrefs->GetLinkLocked())
        return;
    if (pAppIsStartingUp)
        return;
    setTargetProcessName();
}

void App::EnableMenuItems()
{
    const auto enable = [this](const char *item, bool on) {
        if (QAction *action = m_menu->Child(QString::fromUtf8(item)))
            action->setEnabled(on);
    };
    enable("AboutMenuItem", true);
    enable("EditPrefsMenuItem", true);
    enable("AppleWWWSupport", true);
    enable("FileImportTabText", false);
    enable("Search4UpdatesItem", true);
}

bool App::_AboutMenuItem_Action()
{
    implicitInstance<AboutDialog>()->show();
    return false;
}

bool App::_EditPrefsMenuItem_Action()
{
    implicitInstance<PrefsDialog>()->show();
    return false;
}

bool App::_AppleWWWSupport_Action()
{
    ShowKDLhomepage();
    return false;
}

bool App::_FileImportTabText_Action()
{
    ImportSentencesFromTabDelimFile();
    return false;
}

bool App::_FileQuit_Action()
{
    DoQuit();
    return false;
}

bool App::_Search4UpdatesItem_Action()
{
    Search4Updates();
    return false;
}

bool App::DoQuit()
{
    if (m_quitRunning)
        return false;
    SentenceWindow *window = existingInstance<SentenceWindow>();
    if (window && window->isSaving()) {
        // The save finishes the open cell itself and may wait in its message;
        // finishing the cell here too would close its editor under it.
        m_quitWaiting = true;
        waitForSaves(window);
        return false;
    }
    const QScopedValueRollback running(m_quitRunning, true);
    // An edit still open or unsaved in the sentence list is saved first. When
    // that fails, the edit is on the clipboard and a message has said so; the
    // program stays this once, so that the clipboard's text outlives it. The
    // preferences are written before that message waits: a shutdown ends the
    // program (a signal, then a kill) without another quit.
    if (window && !window->commitOpenCell(SentenceWindow::Leaving::Program, [this] { SavePrefs(*pPrefs); })
        && window->holdsUnsavedEdit())
        return false;
    if (pSentenceDB)
        pSentenceDB->Close();
    QCoreApplication::exit(0);
    return true;
}

bool App::saveForSessionEnd(bool mayShowMessages)
{
    // Without leave to ask, an edit that cannot be saved still goes to the clipboard, quietly.
    const QScopedValueRollback holdMessages(m_messagesHeld, m_messagesHeld || !mayShowMessages);
    SentenceWindow *window = existingInstance<SentenceWindow>();
    bool cellSaved = !window;
    if (window && window->isSaving()) {
        // The edit is not saved yet: the save that runs has failed or not ended.
        m_sessionSaveWaiting = mayShowMessages;
        waitForSaves(window);
    } else if (window) {
        cellSaved = window->commitOpenCell(SentenceWindow::Leaving::Program);
    }
    return SavePrefs(*pPrefs) && cellSaved;
}

void App::waitForSaves(SentenceWindow *window)
{
    // Queued: the requests run once the save's own finishing of the cell has left the stack.
    connect(window, &SentenceWindow::savesEnded, this, &App::carryOutWaitingRequests,
            Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
}

void App::carryOutWaitingRequests()
{
    if (const std::optional<bool> mayShowMessages = std::exchange(m_sessionSaveWaiting, std::nullopt))
        saveForSessionEnd(*mayShowMessages);
    if (std::exchange(m_quitWaiting, false))
        DoQuit();
}

void App::ShowKDLhomepage()
{
    QDesktopServices::openUrl(QUrl(makerHomePageUrl()));
}

void App::ShowOKDialog(const QString &header, const QString &text, const QString &caption)
{
    if (m_messagesHeld)
        return;
    OKDialog dialog(QApplication::activeWindow());
    dialog.InitOKDialog(header, text, caption);
    dialog.exec();
}

void App::ShowOKSheetDialog(const QString &header, const QString &text, const QString &caption)
{
    OKSheetDialog dialog(header, text, caption, QApplication::activeWindow());
}
