#include "Wizard.h"

namespace e2e {

bool IsReadOnly(HWND edit)
{
    return (GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) != 0;
}

HWND LabelOf(HWND window, const std::string& caption)
{
    return drive::FindControl(window, caption, "Static");
}

std::string ShownTextArea(HWND window)
{
    for (int i = 0;; ++i) {
        const HWND edit = drive::FindControl(window, "", "Edit", i);
        if (!edit)
            return "(none)";
        if (GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE)
            return drive::Text(edit);
    }
}

std::string WaitTextArea(HWND window, const std::string& expected)
{
    std::string shown;
    for (const DWORD start = GetTickCount(); GetTickCount() - start < kStepMs; Sleep(drive::kPollMs))
        if ((shown = ShownTextArea(window)) == expected)
            break;
    return shown;
}

HWND EditBoxOf(HWND window)
{
    for (int i = 0;; ++i) {
        const HWND edit = drive::FindControl(window, "", "Edit", i);
        if (!edit || !(GetWindowLongA(edit, GWL_STYLE) & ES_MULTILINE))
            return edit;
    }
}

std::string ShellFolder(const char* name)
{
    HKEY key = nullptr;
    char value[MAX_PATH] = {};
    DWORD size = sizeof value;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                      KEY_READ, &key) == ERROR_SUCCESS) {
        RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
        RegCloseKey(key);
    }
    return value;
}

void Wizard::TearDown()
{
    if (HasFailure() && window)
        Media::SaveArtefact(window, std::string("failed-") +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
}

void Wizard::Start(const Media& media, const std::string& script)
{
    media.Write("install.script", script);
    ASSERT_TRUE(media.Start(setup));
    window = drive::WaitWindow(kMainWindow, kStartMs, setup.Id());
    ASSERT_NE(window, nullptr);
}

void Wizard::Press(const std::string& caption, HWND in)
{
    const HWND button = drive::WaitControl(in ? in : window, caption, kStepMs, "Button");
    ASSERT_NE(button, nullptr) << caption;
    // A person waits until the button can be pressed.
    for (const DWORD start = GetTickCount(); !drive::IsEnabled(button) && GetTickCount() - start < kStepMs;)
        Sleep(drive::kPollMs);
    ASSERT_TRUE(drive::Click(button)) << caption;
}

std::string Wizard::AnswerQuit(const std::string& answer)
{
    const HWND box = drive::WaitMessageBox("Confirm", kStepMs, setup.Id());
    if (!box)
        return "(no confirmation)";
    const std::string question = drive::MessageBoxText(box);
    Press(answer, box);
    drive::WaitGone(box, kStepMs);
    return question;
}

std::string Wizard::AnswerMessage()
{
    const HWND box = drive::WaitMessageBox(kAppTitle, kStepMs, setup.Id());
    if (!box)
        return "(no message box)";
    const std::string text = Lines(drive::MessageBoxText(box));
    Press("OK", box);
    drive::WaitGone(box, kStepMs);
    return text;
}

void Wizard::PassIntroduction(const std::string& text)
{
    ASSERT_EQ(WaitTextArea(window, text + "\r\n"), text + "\r\n");
    Press("&Next >>");
}

} // namespace e2e
