#include "ui/Memo.h"

namespace ui {

Memo::Memo(Window& parent, const ControlSpec& layout)
{
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | WS_BORDER | (layout.readOnly ? ES_READONLY : 0);
    if (layout.verticalScrollBar)
        style |= WS_VSCROLL;
    CreateControl(parent, "EDIT", style, layout);
    // No limit but memory on what a script can show.
    SendMessageA(Handle(), EM_SETLIMITTEXT, 0, 0);
}

void Memo::BeginUpdate()
{
    SendMessageA(Handle(), WM_SETREDRAW, FALSE, 0);
}

void Memo::EndUpdate()
{
    SendMessageA(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
}

// Lines are counted in the text, not by the control, whose line messages count wrapped screen lines.
int Memo::LineCount() const
{
    const std::string text = Text();
    int count = 0;
    for (size_t at = 0; at < text.size(); ++count) {
        const size_t end = text.find("\r\n", at);
        at = end == std::string::npos ? text.size() : end + 2;
    }
    return count;
}

int Memo::LineStart(int index) const
{
    const std::string text = Text();
    size_t at = 0;
    for (; index > 0 && at < text.size(); --index) {
        const size_t end = text.find("\r\n", at);
        at = end == std::string::npos ? text.size() : end + 2;
    }
    return static_cast<int>(at);
}

void Memo::ReplaceRange(int start, int end, const std::string& text)
{
    SendMessageA(Handle(), EM_SETSEL, start, end);
    SendMessageA(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(Handle(), EM_SCROLLCARET, 0, 0);
}

void Memo::AddLine(const std::string& line)
{
    const int end = GetWindowTextLengthA(Handle());
    ReplaceRange(end, end, line + "\r\n");
}

void Memo::InsertLine(int index, const std::string& line)
{
    const int start = LineStart(index);
    ReplaceRange(start, start, line + "\r\n");
}

void Memo::DeleteLine(int index)
{
    if (index < 0 || index >= LineCount())
        return;
    ReplaceRange(LineStart(index), LineStart(index + 1), "");
}

std::string Memo::Line(int index) const
{
    const std::string text = Text();
    const size_t start = static_cast<size_t>(LineStart(index));
    if (index < 0 || start >= text.size())
        return {};
    const size_t end = text.find("\r\n", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

} // namespace ui
