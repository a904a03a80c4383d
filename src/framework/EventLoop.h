#pragma once
// Giving the event loop its turn from inside long loops.

// Processes pending events only when a few milliseconds have passed since the
// last time; cheap enough to call once per character.
void yieldToEventLoop();
// Processes pending events now, waiting up to maxMs milliseconds for them (-1: no wait).
void DoEvents(int maxMs = -1);
