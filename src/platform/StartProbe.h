#pragma once
// The start-up benchmark's view of the start: with VELLORA_QUIT_WHEN_SHOWN set in the
// environment, the program writes the moment its event loop first runs (monotonic clock,
// nanoseconds) to standard output and quits. Without it nothing happens.
void QuitWhenShownIfAsked();
