#pragma once
// Giving the event loop its turn from inside long loops.

// Processes pending events only when a few milliseconds have passed since the
// last time; cheap enough to call once per character.
void yieldToEventLoop();
// Processes pending events now, waiting up to maxMs milliseconds for them (-1: no wait).
void DoEvents(int maxMs = -1);

// While one lives, the turns above let background work and painting run but
// keep the user's clicks and keys waiting until the loop is done: a loop that
// reads a window's state must not see it changed, or the window closed, by a
// click in its middle.
class UserInputHeld
{
public:
    UserInputHeld();
    ~UserInputHeld();
    UserInputHeld(const UserInputHeld &) = delete;
    UserInputHeld &operator=(const UserInputHeld &) = delete;
};
