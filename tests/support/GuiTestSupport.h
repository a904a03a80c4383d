#pragma once
// Driving modal dialogs the way a person meets them: the action is queued
// before the dialog opens and runs once a modal widget is active.
#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

// The modal widgets open now. The drivers below act only on a modal widget opened
// after they were set up: while the dialog whose button opens the awaited one is
// the only one open, the program may well turn the event loop (building a window,
// filling a list), and that dialog is then the active modal widget.
QList<QPointer<QWidget>> openModalWidgets();
// The active modal widget, unless it was open already before (nullptr then).
QWidget *modalWidgetOpenedSince(const QList<QPointer<QWidget>> &openBefore);

// Runs action on the next modal widget that becomes active (within timeoutMs),
// other than those open now; with accepts, only on one it accepts.
void whenModal(std::function<void(QWidget *)> action, int timeoutMs = 5000,
               std::function<bool(QWidget *)> accepts = {});
// Runs action once a modal dialog of class D is in front, whatever comes before it.
template <class D>
void whenModalOf(std::function<void(D *)> action, int timeoutMs = 10000)
{
    whenModal([action = std::move(action)](QWidget *w) { action(static_cast<D *>(w)); }, timeoutMs,
              [](QWidget *w) { return qobject_cast<D *>(w) != nullptr; });
}
// Accepts an open dialog by typing path into its file-name field.
void chooseFileInDialog(QWidget *dialog, const QString &path);

// Answers every modal dialog opened while it lives, as a user working through a
// sequence: an open dialog takes the next path of the queue ("" or an empty
// queue cancels it), any other dialog is read and confirmed. afterEach runs
// after every answer.
class ModalScript
{
public:
    explicit ModalScript(std::deque<QString> paths = {}, std::function<void()> afterEach = {});
    ~ModalScript();
    // The open dialogs' titles with their prompts ("title / prompt") and the other dialogs' texts.
    QStringList seen;

private:
    void answer();

    const QList<QPointer<QWidget>> m_openBefore;
    QTimer m_timer;
    std::deque<QString> m_paths;
    std::function<void()> m_afterEach;
};

// A dialog that waits in an event loop of its own (exec()) for an answer that
// none of the drivers above gives (none waits for it, none answers it now) would
// hold the test until CTest ends it. Once such a dialog has been in front this
// long, the running test fails with the dialog's title and texts, and the dialog
// is closed, so that the test goes on. A modal window that is only shown (the
// print window, the preferences dialog) holds nothing and is left open.
inline constexpr int kUnansweredDialogMs = 3000;
// Watches for such dialogs from now on (the main of the widget tests).
void closeUnansweredDialogs();
