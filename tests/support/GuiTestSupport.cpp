#include "GuiTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

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
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, clock, action = std::move(action), accepts = std::move(accepts), timeoutMs,
                      before = openModalWidgets()] {
                         QWidget *modal = modalWidgetOpenedSince(before);
                         if (modal && accepts && !accepts(modal))
                             modal = nullptr;
                         if (!modal && clock->elapsed() < timeoutMs)
                             return;
                         timer->stop();
                         timer->deleteLater();
                         if (modal)
                             action(modal);
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
    QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
    m_timer.start(20);
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
