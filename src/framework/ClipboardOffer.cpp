#include "ClipboardOffer.h"

#include <QClipboard>
#include <QEventLoop>
#include <QMimeData>
#include <QPointer>
#include <QTimer>

// Shared with the clipboard's data, which the clipboard deletes when another
// application takes it over.
struct ClipboardOffer::State
{
    bool pasteExpected = false;
    bool fetched = false;
    bool wentWrong = false;
    QPointer<QEventLoop> waiting;
    bool waitingEndsWhenWrong = false;

    Paste paste() const { return fetched ? Paste::Fetched : wentWrong ? Paste::WentWrong : Paste::Pending; }
};

namespace {
class RequestNotingMimeData : public QMimeData
{
public:
    explicit RequestNotingMimeData(std::shared_ptr<ClipboardOffer::State> state)
        : m_state(std::move(state))
    {
    }

    // Asked whenever another application requests a format other than the
    // format list; a format the text does not offer comes from an older
    // clipboard content that application still has in mind. Text formats and
    // X's own targets are not such a sign.
    bool hasFormat(const QString &mimeType) const override
    {
        const bool offered = QMimeData::hasFormat(mimeType);
        if (!offered && m_state->pasteExpected && mimeType.contains(QLatin1Char('/'))
            && !mimeType.startsWith(QStringLiteral("text/"))) {
            m_state->wentWrong = true;
            if (m_state->waiting && m_state->waitingEndsWhenWrong)
                m_state->waiting->quit();
        }
        return offered;
    }

protected:
    // Asked for whenever the text is handed out in one of its text formats.
    QVariant retrieveData(const QString &mimeType, QMetaType type) const override
    {
        if (mimeType.startsWith(QStringLiteral("text/"))) {
            m_state->fetched = true;
            if (m_state->waiting)
                m_state->waiting->quit();
        }
        return QMimeData::retrieveData(mimeType, type);
    }

private:
    std::shared_ptr<ClipboardOffer::State> m_state;
};
} // namespace

ClipboardOffer::ClipboardOffer(QClipboard &clipboard, const QString &text)
    : m_state(std::make_shared<State>())
{
    auto *data = new RequestNotingMimeData(m_state);
    data->setText(text);
    clipboard.setMimeData(data);
}

void ClipboardOffer::expectPaste()
{
    m_state->pasteExpected = true;
}

ClipboardOffer::Paste ClipboardOffer::waitForFetch(int maxMs) const
{
    return wait(maxMs, false);
}

ClipboardOffer::Paste ClipboardOffer::waitWhileBusy(int maxMs) const
{
    return wait(maxMs, true);
}

ClipboardOffer::Paste ClipboardOffer::wait(int maxMs, bool untilWentWrong) const
{
    if (m_state->fetched || (untilWentWrong && m_state->wentWrong))
        return m_state->paste();
    QEventLoop loop;
    QTimer::singleShot(maxMs, &loop, &QEventLoop::quit);
    m_state->waiting = &loop;
    m_state->waitingEndsWhenWrong = untilWentWrong;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return m_state->paste();
}
