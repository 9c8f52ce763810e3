#include "Interrupts.h"

#include <csignal>
#include <initializer_list>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_requested = 0;
volatile std::sig_atomic_t g_interrupts = 0;
volatile std::sig_atomic_t g_atTerminal = 0;
volatile std::sig_atomic_t g_lineInterrupted = 0;

constexpr int kInterruptedExitCode = 128 + SIGINT;

} // namespace

void OnInterrupt(int signal) {
    if (signal == SIGINT && g_atTerminal) {
        g_lineInterrupted = 1;
        return;
    }
    if (signal == SIGINT && ++g_interrupts > 1) {
        _exit(kInterruptedExitCode);
    }
    g_requested = signal;
}

void CatchInterrupts(bool atTerminal) {
    g_atTerminal = atTerminal ? 1 : 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: a waiting read returns, and the loop sees the request
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

bool InterruptRequested() {
    return g_requested != 0;
}

int InterruptSignal() {
    return g_requested;
}

bool TakeLineInterrupt() {
    const bool interrupted = g_lineInterrupted != 0;
    g_lineInterrupted = 0;
    return interrupted;
}
