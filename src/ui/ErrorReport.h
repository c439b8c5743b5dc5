// The application's error report: the last stop of an error that no command handled, the application-wide
// handler that a dialog may replace while it is shown, and the application's message boxes.
#pragma once

#include <exception>
#include <functional>
#include <string>

namespace ui {

// The title of every box the application shows.
extern const char* const kApplicationTitle;

// The error's message with a full stop appended when its last character's code is above the full stop's.
std::string ErrorReportText(const std::string& message);

// A modal box with an error icon, the application's title, the message and OK.
void ShowErrorReport(const std::string& message);

// Handles an error that reached a window procedure: the installed handler, else the error report.
using ErrorHandler = std::function<void(const std::exception& error)>;
void HandleError(const std::exception& error);
// Installs a handler (an empty one restores the error report) and returns the one in force before.
ErrorHandler SetErrorHandler(ErrorHandler handler);

// A modal box with the text and an OK button.
void ShowMessage(const std::string& text);

// The "Confirm" box with a question icon, Yes and No; true for Yes.
bool Confirm(const std::string& question);

} // namespace ui
