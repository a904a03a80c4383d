#include "WaitMessagesWindow.h"

#include "SentenceWindow.h"
#include "framework/ImplicitInstance.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace {
// Twelve spokes, one of them dark, the dark one moving on every tick.
class SpinningWheel : public QWidget
{
public:
    explicit SpinningWheel(QWidget *parent)
        : QWidget(parent)
    {
        m_timer.setInterval(80);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_step = (m_step + 1) % kSpokes;
            update();
        });
    }

protected:
    void showEvent(QShowEvent *) override { m_timer.start(); }
    void hideEvent(QHideEvent *) override { m_timer.stop(); }

    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const qreal radius = qMin(width(), height()) / 2.0;
        painter.translate(width() / 2.0, height() / 2.0);
        for (int spoke = 0; spoke < kSpokes; ++spoke) {
            // The spokes behind the dark one fade out.
            const int age = (m_step - spoke + kSpokes) % kSpokes;
            QColor colour = palette().color(QPalette::WindowText);
            colour.setAlphaF(1.0 - 0.8 * age / (kSpokes - 1));
            painter.setPen(QPen(colour, qMax(1.5, radius / 5), Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.9));
            painter.rotate(360.0 / kSpokes);
        }
    }

private:
    static constexpr int kSpokes = 12;
    QTimer m_timer;
    int m_step = 0;
};
} // namespace

// A splash window over the main window: window managers give it no title
// bar and no buttons, and offer no way to minimise, maximise or close it.
// (A dialog with a title bar gets a minimise button from some window
// managers whatever its hints ask, and minimising it minimises the main
// window with it.)
WaitMessagesWindow::WaitMessagesWindow()
    : QDialog(existingInstance<SentenceWindow>(), Qt::SplashScreen | Qt::CustomizeWindowHint)
{
    setObjectName(QStringLiteral("WaitMessagesWindow"));
    // The main window owns it: it is hidden between uses, never deleted
    // under the work that shows it.
    setWindowTitle(QStringLiteral("Bitte warten"));
    setFixedSize(299, 64);
    setModal(false);

    MessageText = new QLabel(QStringLiteral("Bitte warten..."), this);
    MessageText->setObjectName(QStringLiteral("MessageText"));
    MessageText->setWordWrap(true);
    MessageText->setGeometry(63, 19, 216, 35);
    MessageText->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    ProgressWheel1 = new SpinningWheel(this);
    ProgressWheel1->setObjectName(QStringLiteral("ProgressWheel1"));
    ProgressWheel1->setGeometry(20, 19, 16, 16);
}

void WaitMessagesWindow::paintEvent(QPaintEvent *)
{
    // Without a frame of the window manager, its own edge sets it off the main window.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void WaitMessagesWindow::reject()
{
    if (!isVisible())
        QDialog::reject();
}

void WaitMessagesWindow::closeEvent(QCloseEvent *event)
{
    if (isVisible())
        event->ignore();
    else
        QDialog::closeEvent(event);
}
