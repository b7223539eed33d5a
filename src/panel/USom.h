#pragma once

#include <functional>

// The system beep. Every beep of the program goes through Bipe(); the program
// installs the platform's beep at start-up, and a test installs a counter.
namespace TSom {
void Bipe();
// Replaces the beep; an empty function silences it.
void DefinirBipe(std::function<void()> bipe);
}
