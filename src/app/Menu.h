#pragma once
// The menu bar: "Ablage", "Bearbeiten", "Spezial" and "Hilfe". One Menu holds
// the menus and their items; every window's QMenuBar shows these same menus,
// so an item's state is the same wherever it is seen. Commands are bound to
// items by the items' names.
#include <QHash>
#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

class Menu : public QObject
{
    Q_OBJECT
public:
    Menu();
    ~Menu() override;

    // A menu or an item by its name; nullptr when there is none.
    QAction *Child(const QString &name) const;
    QMenu *menuNamed(const QString &name) const;
    QStringList menuNames() const { return m_menuOrder; }
    bool autoEnable(const QString &name) const { return m_autoEnable.value(name, false); }

    // A menu bar for window showing these menus.
    QMenuBar *createMenuBar(QWidget *window);

    using Handler = std::function<bool()>;
    // Binds item to handler for owner: the application (owner nullptr), a
    // window (when it is the active window) or a control (when it has the focus).
    void addMenuHandler(const QString &item, QObject *owner, Handler handler);
    // Whether a handler for item would run now.
    bool hasHandlerNow(const QString &item) const;
    // Runs the command as a click on the item would.
    void runCommand(const QString &item);
    // Sets every item's Enabled as the framework's menu update does.
    void updateMenuItems();

    // The items' commands and shortcuts also work while a window without this
    // menu bar is in front (a dialog, the print window, a file chooser).
    void reachFromEveryWindow(const QStringList &items);

    // Hooks run at each update after the automatic enabling, in the order
    // they were added (the application's first); dropped with their owner.
    void addEnableHook(QObject *owner, std::function<void()> hook);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Binding
    {
        QPointer<QObject> owner;
        bool forApplication = false;
        Handler handler;
    };
    const Binding *bindingNow(const QString &item) const;
    bool runEditCommand(const QString &item);

    QHash<QString, QAction *> m_items;
    QHash<QString, QMenu *> m_menus;
    QHash<QString, bool> m_autoEnable;
    QStringList m_menuOrder;
    QList<QAction *> m_everyWindowItems;
    QHash<QString, std::vector<Binding>> m_handlers;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_enableHooks;
};
