#pragma once

#include "tick_fixture.h"

namespace tintavo::bench {

// Times the parts of a tick one by one, each with the code or the controls the tick itself
// uses, and prints a row for each.
void TimeTickSteps(const TickFixture& fixture, int calls, int warmUp);

// Counts the messages one tick sends to the window and its controls (text writes, scroll bar
// updates, change notifications, paints), with the colour changing and with it steady.
void CountTickMessages(const TickFixture& fixture);

}  // namespace tintavo::bench
