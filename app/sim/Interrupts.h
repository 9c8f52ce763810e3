// Ctrl+C, SIGTERM and SIGHUP end corvane-sim as the end of its input does: through the
// program's Exit, so that its settings are saved. A second Ctrl+C quits at once.
#pragma once

// Installs the handlers. A read waiting for input returns when one of the signals comes.
void CatchInterrupts();
// A signal has asked the simulator to end.
bool InterruptRequested();
// The signal that did, or 0: the process then ends with 128 plus it, as a shell reports a
// program a signal ended, though the settings were saved.
int InterruptSignal();
// What the handlers do with a signal; the second SIGINT ends the process with 130.
void OnInterrupt(int signal);
