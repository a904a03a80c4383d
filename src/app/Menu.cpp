#include "Menu.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
struct ItemEntry
{
    const char *menu;
    const char *name;
    const char *caption;
    const char *shortcut;
    bool autoEnable;
};

struct MenuEntry
{
    const char *name;
    const char *caption;
    bool autoEnable;
};

constexpr MenuEntry kMenus[] = {
    {"FileMenu", "Ablage", false},
    {"EditMenu", "Bearbeiten", false},
    {"SpezialMenu", "Spezial", false},
    {"HilfeMenu", "Hilfe", true},
};

// "-" is a separator. The Command key of the shortcuts is Ctrl here.
constexpr ItemEntry kItems[] = {
    {"FileMenu", "FileImportTabText", "Formulierungshilfen importieren...", "", true},
    {"FileMenu", "PrintSentenceListItem", "Satzliste drucken...", "", true},
    {"FileMenu", "FileQuit", "Beenden", "Ctrl+Q", true},
    {"EditMenu", "EditUndo", "Widerrufen", "Ctrl+Z", false},
    {"EditMenu", "UntitledMenu1", "-", "", false},
    {"EditMenu", "EditCut", "Ausschneiden", "Ctrl+X", false},
    {"EditMenu", "EditCopy", "Kopieren", "Ctrl+C", false},
    {"EditMenu", "EditPaste", "Einsetzen", "Ctrl+V", false},
    {"EditMenu", "EditClear", "Löschen", "", false},
    {"EditMenu", "EditSelectAll", "Alles auswählen", "Ctrl+A", false},
    {"EditMenu", "UntitledMenu0", "-", "", false},
    {"EditMenu", "EditPrefsMenuItem", "Voreinstellungen...", "", false},
    {"SpezialMenu", "TransferMenuItem", "Übernehmen", "Ctrl+U", true},
    {"SpezialMenu", "AboutMenuItem", "Über dieses Programm...", "", false},
    {"HilfeMenu", "AppleWWWSupport", "Internet-Support...", "", false},
    {"HilfeMenu", "Search4UpdatesItem", "Nach Aktualisierungen suchen...", "", true},
};

// The edit commands that the text fields serve themselves.
const QStringList &editCommands()
{
    static const QStringList names = {QStringLiteral("EditUndo"), QStringLiteral("EditCut"),
                                      QStringLiteral("EditCopy"), QStringLiteral("EditPaste"),
                                      QStringLiteral("EditClear"), QStringLiteral("EditSelectAll")};
    return names;
}
} // namespace

Menu::Menu()
{
    for (const MenuEntry &entry : kMenus) {
        const QString name = QString::fromUtf8(entry.name);
        auto *menu = new QMenu(QString::fromUtf8(entry.caption));
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        m_menus.insert(name, menu);
        m_items.insert(name, menu->menuAction());
        m_autoEnable.insert(name, entry.autoEnable);
        m_menuOrder << name;
        connect(menu, &QMenu::aboutToShow, this, &Menu::updateMenuItems);
    }
    for (const ItemEntry &entry : kItems) {
        const QString name = QString::fromUtf8(entry.name);
        QMenu *menu = m_menus.value(QString::fromUtf8(entry.menu));
        QAction *action = nullptr;
        if (qstrcmp(entry.caption, "-") == 0) {
            action = menu->addSeparator();
        } else {
            action = menu->addAction(QString::fromUtf8(entry.caption));
            if (*entry.shortcut)
                action->setShortcut(QKeySequence(QString::fromUtf8(entry.shortcut)));
            // The About and Preferences items stay where the table puts them.
            action->setMenuRole(QAction::NoRole);
            connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
        }
        action->setObjectName(name);
        m_items.insert(name, action);
        m_autoEnable.insert(name, entry.autoEnable);
    }
    connect(qApp, &QApplication::focusChanged, this, &Menu::updateMenuItems);
}

Menu::~Menu()
{
    qDeleteAll(m_menus);
}

QAction *Menu::Child(const QString &name) const
{
    return m_items.value(name, nullptr);
}

QMenu *Menu::menuNamed(const QString &name) const
{
    return m_menus.value(name, nullptr);
}

QMenuBar *Menu::createMenuBar(QWidget *window)
{
    auto *bar = new QMenuBar(window);
    for (const QString &name : m_menuOrder)
        bar->addMenu(m_menus.value(name));
    // Shortcuts of the shared items work in every window that shows the bar.
    for (QAction *action : std::as_const(m_items))
        if (!action->isSeparator() && !m_menus.contains(action->objectName()))
            window->addAction(action);
    return bar;
}

void Menu::reachFromEveryWindow(const QStringList &items)
{
    for (const QString &name : items)
        if (QAction *action = Child(name))
            m_everyWindowItems << action;
    qApp->installEventFilter(this);
}

bool Menu::eventFilter(QObject *watched, QEvent *event)
{
    // A window takes the items when it is first shown; pop-ups (menus, lists
    // of a pop-up menu, tool tips) are not windows of their own for this.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        const Qt::WindowType type = widget->windowType();
        if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet))
            widget->addActions(m_everyWindowItems);
    }
    return QObject::eventFilter(watched, event);
}

void Menu::addMenuHandler(const QString &item, QObject *owner, Handler handler)
{
    Binding binding;
    binding.owner = owner;
    binding.forApplication = owner == nullptr;
    binding.handler = std::move(handler);
    m_handlers[item].push_back(std::move(binding));
}

const Menu::Binding *Menu::bindingNow(const QString &item) const
{
    const auto it = m_handlers.constFind(item);
    if (it == m_handlers.cend())
        return nullptr;
    // The focused control first, then the active window, then the application.
    QWidget *focus = QApplication::focusWidget();
    QWidget *window = QApplication::activeWindow();
    for (const Binding &b : it.value())
        if (!b.forApplication && b.owner && b.owner == focus)
            return &b;
    for (const Binding &b : it.value())
        if (!b.forApplication && b.owner && b.owner == window)
            return &b;
    for (const Binding &b : it.value())
        if (b.forApplication)
            return &b;
    return nullptr;
}

bool Menu::hasHandlerNow(const QString &item) const
{
    return bindingNow(item) != nullptr;
}

void Menu::runCommand(const QString &item)
{
    if (QAction *action = Child(item); action && !action->isEnabled())
        return;
    if (const Binding *binding = bindingNow(item)) {
        const Handler handler = binding->handler;
        handler();
        return;
    }
    runEditCommand(item);
}

bool Menu::runEditCommand(const QString &item)
{
    QWidget *focus = QApplication::focusWidget();
    if (auto *line = qobject_cast<QLineEdit *>(focus)) {
        if (item == QLatin1String("EditUndo")) line->undo();
        else if (item == QLatin1String("EditCut")) line->cut();
        else if (item == QLatin1String("EditCopy")) line->copy();
        else if (item == QLatin1String("EditPaste")) line->paste();
        else if (item == QLatin1String("EditClear")) {
            // Only a selection is cleared: without one, del() would take the next character.
            if (line->hasSelectedText())
                line->del();
        }
        else if (item == QLatin1String("EditSelectAll")) line->selectAll();
        else return false;
        return true;
    }
    if (auto *text = qobject_cast<QTextEdit *>(focus)) {
        if (item == QLatin1String("EditUndo")) text->undo();
        else if (item == QLatin1String("EditCut")) text->cut();
        else if (item == QLatin1String("EditCopy")) text->copy();
        else if (item == QLatin1String("EditPaste")) text->paste();
        else if (item == QLatin1String("EditClear")) {
            // A cursor edits the text also where the field is read-only.
            if (!text->isReadOnly())
                text->textCursor().removeSelectedText();
        }
        else if (item == QLatin1String("EditSelectAll")) text->selectAll();
        else return false;
        return true;
    }
    if (auto *plain = qobject_cast<QPlainTextEdit *>(focus)) {
        if (item == QLatin1String("EditUndo")) plain->undo();
        else if (item == QLatin1String("EditCut")) plain->cut();
        else if (item == QLatin1String("EditCopy")) plain->copy();
        else if (item == QLatin1String("EditPaste")) plain->paste();
        else if (item == QLatin1String("EditClear")) {
            // A cursor edits the text also where the field is read-only.
            if (!plain->isReadOnly())
                plain->textCursor().removeSelectedText();
        }
        else if (item == QLatin1String("EditSelectAll")) plain->selectAll();
        else return false;
        return true;
    }
    return false;
}

void Menu::addEnableHook(QObject *owner, std::function<void()> hook)
{
    m_enableHooks.emplace_back(owner, std::move(hook));
}

void Menu::updateMenuItems()
{
    QWidget *focus = QApplication::focusWidget();
    const bool textFocused = qobject_cast<QLineEdit *>(focus) || qobject_cast<QTextEdit *>(focus)
                             || qobject_cast<QPlainTextEdit *>(focus);
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it) {
        QAction *action = it.value();
        if (action->isSeparator() || m_menus.contains(it.key()))
            continue;
        if (m_autoEnable.value(it.key()))
            action->setEnabled(hasHandlerNow(it.key()));
        else if (editCommands().contains(it.key()))
            action->setEnabled(textFocused || hasHandlerNow(it.key()));
    }
    // The application's hook runs first, then those of the windows that are
    // still there; a window's hook only acts while that window is active.
    for (auto &[owner, hook] : m_enableHooks) {
        if (owner)
            hook();
    }
}
