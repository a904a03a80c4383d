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
    bool fetched = false;
    QPointer<QEventLoop> waiting;
};

namespace {
class FetchNotingMimeData : public QMimeData
{
public:
    explicit FetchNotingMimeData(std::shared_ptr<ClipboardOffer::State> state)
        : m_state(std::move(state))
    {
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
    auto *data = new FetchNotingMimeData(m_state);
    data->setText(text);
    clipboard.setMimeData(data);
}

bool ClipboardOffer::waitForFetch(int maxMs) const
{
    if (m_state->fetched)
        return true;
    QEventLoop loop;
    QTimer::singleShot(maxMs, &loop, &QEventLoop::quit);
    m_state->waiting = &loop;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return m_state->fetched;
}
