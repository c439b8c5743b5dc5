#include "ui/ErrorReport.h"

#include <windows.h>

#include <utility>

namespace ui {

const char* const kApplicationTitle = "Vesk-Install";

namespace {

ErrorHandler g_errorHandler;

// Boxes belong to the active window of this thread, so that they stay in front of it.
int ShowBox(const std::string& text, const char* title, UINT flags)
{
    const HWND owner = GetActiveWindow();
    return MessageBoxA(owner, text.c_str(), title, flags | (owner ? 0 : MB_TASKMODAL));
}

} // namespace

std::string ErrorReportText(const std::string& message)
{
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + '.';
    return message;
}

void ShowErrorReport(const std::string& message)
{
    ShowBox(ErrorReportText(message), kApplicationTitle, MB_OK | MB_ICONERROR);
}

void HandleError(const std::exception& error)
{
    // A copy: the handler may replace itself while it runs.
    if (const ErrorHandler handler = g_errorHandler)
        handler(error);
    else
        ShowErrorReport(error.what());
}

ErrorHandler SetErrorHandler(ErrorHandler handler)
{
    return std::exchange(g_errorHandler, std::move(handler));
}

void ShowMessage(const std::string& text)
{
    ShowBox(text, kApplicationTitle, MB_OK);
}

bool Confirm(const std::string& question)
{
    return ShowBox(question, "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

} // namespace ui
