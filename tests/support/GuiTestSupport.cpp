#include "GuiTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {
// Cancels a dialog.
void cancelDialog(QWidget *dialog)
{
    if (auto *d = qobject_cast<QDialog *>(dialog))
        d->reject();
    else
        dialog->close();
}

// The text a message box shows, or a dialog's labels' texts joined.
QString dialogText(QWidget *dialog)
{
    if (auto *box = qobject_cast<QMessageBox *>(dialog))
        return box->text();
    QStringList parts;
    for (QLabel *label : dialog->findChildren<QLabel *>())
        if (!label->text().isEmpty())
            parts << label->text();
    return parts.join(u'\n');
}

// The drivers below that wait for a modal widget or answer one just now, each
// with whether it takes a given one.
std::map<const void *, std::function<bool(QWidget *)>> &drivers()
{
    static std::map<const void *, std::function<bool(QWidget *)>> waiting;
    return waiting;
}

bool someDriverTakes(QWidget *modal)
{
    for (const auto &driver : drivers())
        if (driver.second(modal))
            return true;
    return false;
}

int loopLevel()
{
    return QThread::currentThread()->loopLevel();
}

// Closes a modal dialog that waits in its own event loop for an answer no
// driver gives, and fails the running test with what the dialog says.
class UnansweredDialogs : public QObject
{
public:
    UnansweredDialogs()
        : QObject(qApp)
    {
        qApp->installEventFilter(this);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] { look(); });
        m_timer.start(100);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        const bool shown = event->type() == QEvent::Show;
        if ((!shown && event->type() != QEvent::Hide) || !object->isWidgetType())
            return false;
        auto *window = static_cast<QWidget *>(object);
        if (!window->isWindow())
            return false;
        m_inOwnLoop.removeAll(window);
        // exec() shows the dialog and then runs its own loop, in which the next turn of
        // the event loop comes one level deeper, with the dialog in front. A modal window
        // that is only shown sees its next turn at its own level.
        if (shown && window->isModal())
            QMetaObject::invokeMethod(
                this,
                [this, dialog = QPointer<QWidget>(window), level = loopLevel()] {
                    if (dialog && QApplication::activeModalWidget() == dialog && loopLevel() > level)
                        m_inOwnLoop << dialog;
                },
                Qt::QueuedConnection);
        return false;
    }

private:
    void look()
    {
        m_inOwnLoop.removeAll(nullptr);
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !m_inOwnLoop.contains(modal) || someDriverTakes(modal)) {
            m_unanswered.clear();
            return;
        }
        if (m_unanswered != modal) {
            m_unanswered = modal;
            m_since.start();
        }
        if (m_since.elapsed() < kUnansweredDialogMs)
            return;
        m_unanswered.clear();
        QStringList said{modal->windowTitle()};
        for (QLabel *label : modal->findChildren<QLabel *>())
            if (!label->text().isEmpty())
                said << label->text();
        ADD_FAILURE() << "No step of the test answers this " << modal->metaObject()->className() << ", closed after "
                      << kUnansweredDialogMs << " ms: " << said.join(QStringLiteral(" | ")).toStdString();
        const QPointer<QWidget> dialog(modal);
        cancelDialog(dialog);
        if (dialog && dialog->isVisible())
            dialog->hide();
    }

    QTimer m_timer;
    QList<QPointer<QWidget>> m_inOwnLoop;
    QPointer<QWidget> m_unanswered;
    QElapsedTimer m_since;
};
} // namespace

QList<QPointer<QWidget>> openModalWidgets()
{
    QList<QPointer<QWidget>> open;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->isModal())
            open << widget;
    return open;
}

QWidget *modalWidgetOpenedSince(const QList<QPointer<QWidget>> &openBefore)
{
    QWidget *modal = QApplication::activeModalWidget();
    return modal && !openBefore.contains(modal) ? modal : nullptr;
}

void whenModal(std::function<void(QWidget *)> action, int timeoutMs, std::function<bool(QWidget *)> accepts)
{
    auto *timer = new QTimer(qApp);
    // Shared with the connection: freed with the timer also when no dialog came before the end.
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    const auto takes = [accepts = std::move(accepts), before = openModalWidgets()](QWidget *modal) {
        return modal && !before.contains(modal) && (!accepts || accepts(modal));
    };
    drivers()[timer] = takes;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, clock, action = std::move(action), takes, timeoutMs] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!takes(modal))
            modal = nullptr;
        if (!modal && clock->elapsed() < timeoutMs)
            return;
        timer->stop();
        timer->deleteLater();
        // Answering, it takes that one alone: one that its action brings up is not its own.
        drivers()[timer] = [answered = QPointer<QWidget>(modal)](QWidget *w) { return w && w == answered; };
        if (modal)
            action(modal);
        drivers().erase(timer);
    });
    timer->start(20);
}

void chooseFileInDialog(QWidget *dialog, const QString &path)
{
    auto *fileDialog = qobject_cast<QFileDialog *>(dialog);
    if (!fileDialog) {
        cancelDialog(dialog);
        return;
    }
    fileDialog->selectFile(path);
    if (auto *edit = fileDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        edit->setText(path);
    static_cast<QDialog *>(fileDialog)->accept();
}

ModalScript::ModalScript(std::deque<QString> paths, std::function<void()> afterEach)
    : m_openBefore(openModalWidgets())
    , m_paths(std::move(paths))
    , m_afterEach(std::move(afterEach))
{
    drivers()[this] = [this](QWidget *modal) { return modal && !m_openBefore.contains(modal); };
    QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
    m_timer.start(20);
}

ModalScript::~ModalScript()
{
    drivers().erase(this);
}

void ModalScript::answer()
{
    QWidget *modal = modalWidgetOpenedSince(m_openBefore);
    if (!modal)
        return;
    if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        const auto *prompt = dialog->findChild<QLabel *>(QStringLiteral("PromptText"));
        seen << dialog->windowTitle() + QStringLiteral(" / ") + (prompt ? prompt->text() : QString());
        const QString path = m_paths.empty() ? QString() : m_paths.front();
        if (!m_paths.empty())
            m_paths.pop_front();
        path.isEmpty() ? cancelDialog(dialog) : chooseFileInDialog(dialog, path);
    } else {
        seen << dialogText(modal);
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            box->accept();
        else
            cancelDialog(modal);
    }
    if (m_afterEach)
        m_afterEach();
}

void closeUnansweredDialogs()
{
    new UnansweredDialogs;
}
