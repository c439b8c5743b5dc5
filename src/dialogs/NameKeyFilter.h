// The key filter of the dialogs that ask for a new name (a directory's, a program group's): Enter acts as
// OK, Escape as Cancel, and any key but letters, digits, "-.@_~", blank and Backspace is refused with a beep.
#pragma once

#include <functional>

// Runs ok for Enter and cancel for Escape, or beeps for a key a name may not hold; each of these clears
// the key so that the edit box does not see it.
void FilterNameKey(char& key, const std::function<void()>& ok, const std::function<void()>& cancel);
