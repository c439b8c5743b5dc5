#include "script/ScreenCommands.h"

#include "script/CommandHelpers.h"
#include "script/VeskScript3.h"
#include "services/VeskStringUtil.h"

namespace {

constexpr unsigned kPollMs = 100;
constexpr std::int32_t kLongestSleepMs = 20000;

void Hide(ui::IControl* control)
{
    if (control)
        control->SetVisible(false);
}

// Ends a batch update of a text area on every path.
class BatchUpdate {
public:
    explicit BatchUpdate(ui::IMemo& area) : area_(area) { area_.BeginUpdate(); }
    ~BatchUpdate() { area_.EndUpdate(); }
    BatchUpdate(const BatchUpdate&) = delete;
    BatchUpdate& operator=(const BatchUpdate&) = delete;

private:
    ui::IMemo& area_;
};

} // namespace

void AddTextLine(ui::IMemo& area, const std::string& line)
{
    area.AddLine(LowerAscii(line) == "#emptyline" ? " " : line);
}

void FillTextArea(TVeskScript& script, ui::IMemo& area, std::string& currentLine, bool& isCommand,
                  std::int32_t& resultCode)
{
    const BatchUpdate batch(area);
    area.Clear();
    while (!isCommand && resultCode == 0) {
        AddTextLine(area, currentLine);
        script.ReadLine(currentLine, isCommand, resultCode);
    }
    // Leaves the area scrolled to its first line with the caret at its start.
    area.InsertLine(0, "");
    area.DeleteLine(0);
}

namespace {

// Reads the message lines into the message area, if there is one.
void FillMessageArea(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    script.ReadLine(currentLine, isCommand, resultCode);
    if (script.MessageMemo)
        FillTextArea(script, *script.MessageMemo, currentLine, isCommand, resultCode);
}

} // namespace

void CmdSetMessage(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    FillMessageArea(script, currentLine, isCommand, resultCode);
    if (script.MessageMemo)
        script.Host.ProcessMessages();
}

void CmdWaitMessage(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    // The wait pumps the messages that show the text, once "&Next >>" ends it: a click on it as soon as
    // the text shows is never lost. The caption an earlier "wait button" changed is reset.
    FillMessageArea(script, currentLine, isCommand, resultCode);
    script.WaitForNext("&Next >>");
}

void CmdWaitOpeningText(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    script.ReadLine(currentLine, isCommand, resultCode);
    // Without the introduction panel's button nothing could end the wait but an abort.
    if (!script.OpeningMemo || !script.OpeningButton)
        return;
    FillTextArea(script, *script.OpeningMemo, currentLine, isCommand, resultCode);

    ui::IButton& button = *script.OpeningButton;
    script.WaitingForOpening = true;
    if (ui::IPanel* panel = button.ParentPanel()) {
        panel->BringToFront();
        panel->SetVisible(true);
    } else {
        script.Host.Beep(kSimpleBeep);
        script.Host.ShowMessage("Illegal condition in Wait Opening text command: \r\nparent <> TPanel");
    }

    const ui::ScopedAction<ui::ClickAction> clickEndsWait(button.OnClick(), [&script] { script.OpeningClicked(); });
    while (script.WaitingForOpening) {
        script.Host.Sleep(kPollMs);
        script.Host.ProcessMessages();
    }
    // The button's own action switches to the installation panel, whether pressed or aborted.
    if (clickEndsWait.Saved())
        clickEndsWait.Saved()();
}

void CmdWaitButton(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    const bool hasCaption = ReadArgument(script, currentLine, isCommand, resultCode);
    script.WaitForNext(hasCaption ? currentLine : std::string());
}

void CmdSetLabel(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    if (ReadArgument(script, currentLine, isCommand, resultCode))
        script.SetInfoLabel(currentLine);
}

void CmdSetTitle(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    if (!ReadArgument(script, currentLine, isCommand, resultCode) || !script.TitleLabel)
        return;
    script.TitleLabel->SetCaption(currentLine);
    script.TitleLabel->SetVisible(true);
}

void CmdSetEditBox(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    // A character filter left by a directory or group prompt no longer applies.
    if (script.EditBox)
        script.EditBox->OnKeyPress() = nullptr;
    if (ReadArgument(script, currentLine, isCommand, resultCode) && !currentLine.empty())
        script.SetEditBox(currentLine, false);
}

void CmdReadOnlyEditBox(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    if (ReadArgument(script, currentLine, isCommand, resultCode) && script.EditBox)
        script.EditBox->SetReadOnly(LowerAscii(TrimView(currentLine)) == "true");
}

void CmdHideEditBox(TVeskScript& script, std::string&, bool&, std::int32_t&)
{
    Hide(script.EditBox);
    Hide(script.MoreButton);
    script.Host.ProcessMessages();
}

void CmdHideLabel(TVeskScript& script, std::string&, bool&, std::int32_t&)
{
    Hide(script.InfoLabel);
    script.Host.ProcessMessages();
}

void CmdHideTitle(TVeskScript& script, std::string&, bool&, std::int32_t&)
{
    Hide(script.TitleLabel);
    script.Host.ProcessMessages();
}

void CmdHideButton(TVeskScript& script, std::string&, bool&, std::int32_t&)
{
    Hide(script.NextButton);
    script.Host.ProcessMessages();
}

void CmdHideQuitButton(TVeskScript& script, std::string&, bool&, std::int32_t&)
{
    Hide(script.QuitButton);
}

void CmdShowQuitButton(TVeskScript& script, std::string&, bool&, std::int32_t&)
{
    if (script.QuitButton)
        script.QuitButton->SetVisible(true);
}

void CmdSleep(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    script.ReadLine(currentLine, isCommand, resultCode);
    std::int32_t pauseMs = 0;
    if (isCommand || resultCode != 0 || !TryParseInt32(currentLine, pauseMs))
        return;
    // Whole 100 ms steps, at most 20 seconds; the window stays responsive but the pause runs out.
    for (std::int32_t elapsed = 0; elapsed < pauseMs && elapsed < kLongestSleepMs; elapsed += kPollMs) {
        script.Host.ProcessMessages();
        script.Host.Sleep(kPollMs);
    }
}
