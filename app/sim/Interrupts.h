// SIGTERM and SIGHUP end corvane-sim as the end of its input does: through the program's Exit,
// so that its settings are saved; so does Ctrl+C on a script or a pipe, and a second one quits
// at once. At a terminal Ctrl+C clears the line being typed, as a shell's does.
#pragma once

// Installs the handlers. A read waiting for input returns when one of the signals comes.
void CatchInterrupts(bool atTerminal);
// A signal has asked the simulator to end.
bool InterruptRequested();
// The signal that did, or 0: the process then ends with 128 plus it, as a shell reports a
// program a signal ended, though the settings were saved.
int InterruptSignal();
// What the handlers do with a signal; the second SIGINT ends the process with 130.
void OnInterrupt(int signal);
// Whether Ctrl+C came at the terminal since last asked.
bool TakeLineInterrupt();
