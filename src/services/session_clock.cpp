#include "services/session_clock.h"

#include "platform/host/clock.h"

int sessionStart = 0;

int ClockSeconds() { return platform::Millisecs() / 1000; }
