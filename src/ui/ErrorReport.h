// The application's error report: the last stop of an error that no command handled, and the
// application's message boxes.
#pragma once

#include <string>

namespace ui {

// The title of every box the application shows.
extern const char* const kApplicationTitle;

// The error's message with a full stop appended when its last character's code is above the full stop's.
std::string ErrorReportText(const std::string& message);

// A modal box with an error icon, the application's title, the message and OK.
void ShowErrorReport(const std::string& message);

// A modal box with the text and an OK button.
void ShowMessage(const std::string& text);

// The "Confirm" box with a question icon, Yes and No; true for Yes.
bool Confirm(const std::string& question);

} // namespace ui
