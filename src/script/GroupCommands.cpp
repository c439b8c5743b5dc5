#include "script/GroupCommands.h"

#include "script/CommandHelpers.h"
#include "script/VeskScript3.h"
#include "services/VeskItemFields.h"
#include "services/VeskPathRules.h"
#include "services/VeskStringUtil.h"

namespace {

bool IsGroupChar(char key)
{
    return key == 8 || key == ' ' || key == '-' || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ||
           key == '_' || (key >= 'a' && key <= 'z') || key == '~';
}

// Asks for the group name until it passes the name rule. False when the user quit meanwhile.
bool PromptForGroup(TVeskScript& script, const std::string& defaultGroup, std::string& group)
{
    script.SetInfoLabel("Program group:");
    script.SetEditBox(defaultGroup, false);
    if (script.EditBox)
        script.EditBox->OnKeyPress() = [&script](char& key) { GroupKeyFilter(script, key); };
    {
        const PromptMoreButton more(script, [&script] { ChooseProgramGroup(script); });
        script.WaitForNext("&Next >>");
    }
    const auto typed = [&script, &defaultGroup] { return script.EditBox ? script.EditBox->Text() : defaultGroup; };
    while (!IsValidName(typed()) && !script.AbortRequested) {
        script.Host.ShowMessage("Invalid program group name: \r\n" + typed() +
                                "\r\nspecify another program group name.");
        script.WaitForNext("&Next >>");
    }
    if (script.AbortRequested)
        return false;
    group = typed();
    return true;
}

// The folder that receives the shortcuts of one command: the first option present, else the group.
void SelectLinkFolder(TVeskScript& script, const std::string& commandText)
{
    IVeskShell& shell = script.Shell;
    if (ContainsNoCase("-startup", commandText))
        shell.SelectLinkDir(shell.StartupFolder(), "");
    else if (ContainsNoCase("-desktop", commandText))
        shell.SelectLinkDir(shell.DesktopFolder(), "");
    else if (ContainsNoCase("-programs", commandText))
        shell.SelectLinkDir(shell.ProgramsFolder(), "");
    else if (ContainsNoCase("-startmenu", commandText))
        shell.SelectLinkDir(shell.StartMenuFolder(), "");
    else
        shell.SelectLinkDir(shell.ProgramsFolder(), script.ProgramGroup);
}

} // namespace

void GroupKeyFilter(TVeskScript& script, char& key)
{
    if (IsGroupChar(key))
        return;
    key = 0;
    script.Host.Beep(kSimpleBeep);
}

void ChooseProgramGroup(TVeskScript& script)
{
    const std::string selected = script.Host.ChooseProgramGroup();
    if (TrimView(selected).empty() || !script.EditBox)
        return;
    script.EditBox->SetText(selected);
    script.Host.ProcessMessages();
    script.Host.Sleep(100);
}

void CreateProgramItem(TVeskScript& script, const std::string& itemLine, const std::string& baseDir)
{
    const std::vector<std::string> fields = SplitItemFields(itemLine);
    std::string target, arguments, name, workingDir;
    if (!fields.empty()) {
        std::vector<std::string> path;
        SplitQuotedPath(fields[0], path);
        if (!path.empty() && !path[0].empty())
            target = NormalizeDir(baseDir) + path[0];
        if (path.size() > 1)
            arguments = path[1];
    }
    if (fields.size() > 1)
        name = fields[1];
    if (fields.size() > 2)
        workingDir = fields[2];
    script.Shell.SetWorkingDir(workingDir.empty() ? baseDir : workingDir);
    script.Shell.CreateShortcut(name, target, arguments);
}

void DoCreateProgramGroup(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    const bool ask = !ContainsNoCase("-NoAsk", currentLine);
    script.ReadLine(currentLine, isCommand, resultCode);
    if (isCommand)
        return;
    std::string group = currentLine;
    if (ask && !PromptForGroup(script, currentLine, group))
        return;
    script.ProgramGroup = group;
    script.Shell.CreateProgramGroup(script.Shell.ProgramsFolder(), script.ProgramGroup);
}

void DoCreateProgramItems(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    SelectLinkFolder(script, currentLine);
    const BusyCursor busy(script.Host);
    script.ReadLine(currentLine, isCommand, resultCode);
    while (!isCommand && resultCode == 0) {
        CreateProgramItem(script, Trim(currentLine), script.TargetDir);
        script.ReadLine(currentLine, isCommand, resultCode);
    }
}
