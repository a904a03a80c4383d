#include "EventLoop.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {
constexpr qint64 kYieldIntervalMs = 8;
constexpr unsigned kCallsBetweenClockReads = 64;
int heldInputDepth = 0;

QEventLoop::ProcessEventsFlags turnFlags()
{
    return heldInputDepth > 0 ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents;
}
} // namespace

UserInputHeld::UserInputHeld()
{
    ++heldInputDepth;
}

UserInputHeld::~UserInputHeld()
{
    --heldInputDepth;
}

void yieldToEventLoop()
{
    // Reading the clock costs more than the rest of a per-character pass,
    // so it is read only every few dozen calls.
    static unsigned calls = 0;
    if (++calls % kCallsBetweenClockReads != 0)
        return;
    static QElapsedTimer sinceLastTurn;
    if (!sinceLastTurn.isValid()) {
        sinceLastTurn.start();
        return;
    }
    if (sinceLastTurn.elapsed() < kYieldIntervalMs)
        return;
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(turnFlags());
    sinceLastTurn.restart();
}

void DoEvents(int maxMs)
{
    if (!QCoreApplication::instance())
        return;
    if (maxMs > 0)
        QCoreApplication::processEvents(turnFlags(), maxMs);
    else
        QCoreApplication::processEvents(turnFlags());
}
