#include "script/DirectoryCommands.h"

#include "script/CommandHelpers.h"
#include "script/VeskScript3.h"
#include "services/VeskDirectories.h"
#include "services/VeskPathRules.h"
#include "services/VeskStringUtil.h"

namespace {

// Creates TargetDir with its parents into LastErrorText; an existing directory counts as created.
void CreateTargetDir(TVeskScript& script, std::int32_t& resultCode)
{
    script.Services.CreateDirTree(script.TargetDir, resultCode, script.LastErrorText);
    if (resultCode == kDirExists)
        resultCode = 0;
}

bool IsDirChar(char key)
{
    return key == 8 || key == ' ' || key == '-' || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ||
           key == '\\' || key == '_' || (key >= 'a' && key <= 'z') || key == '~';
}

// Shows the default in the editable edit box and waits for "&Next >>". False when the user quit meanwhile.
bool PromptForDirectory(TVeskScript& script, const std::string& defaultDir)
{
    script.SetInfoLabel("Install directory");
    script.SetEditBox(defaultDir, false);
    if (script.EditBox)
        script.EditBox->OnKeyPress() = [&script](char& key) { DirKeyFilter(script, key); };
    {
        const PromptMoreButton more(script, [&script] { ChooseDirectory(script); });
        script.WaitForNext("&Next >>");
    }
    if (script.AbortRequested)
        return false;
    script.TargetDir = NormalizeDir(script.EditBox ? script.EditBox->Text() : defaultDir);
    return true;
}

} // namespace

void DirKeyFilter(TVeskScript& script, char& key)
{
    if (IsDirChar(key))
        return;
    key = 0;
    script.Host.Beep(kSimpleBeep);
}

void ChooseDirectory(TVeskScript& script)
{
    std::string selected = "c:\\";
    if (script.Host.ChooseDirectory(selected) && script.EditBox)
        script.EditBox->SetText(selected);
}

void CmdCreateDirectory(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    bool ask = !ContainsNoCase("-NoAsk", currentLine);
    if (!ReadArgument(script, currentLine, isCommand, resultCode))
        return;
    const std::string defaultDir = currentLine;
    if (!ask)
        script.TargetDir = NormalizeDir(defaultDir);

    // Until a directory is created or the user quits; after a failure the prompt starts again from the
    // script's default.
    for (;;) {
        if (ask && !PromptForDirectory(script, defaultDir))
            return;
        script.TargetRootDir = script.TargetDir;
        CreateTargetDir(script, resultCode);
        if (resultCode == 0)
            return;
        script.Host.ShowMessage("Unable to create directory\r\n" + script.TargetDir +
                                "\r\n\r\nspecify another directory.");
        ask = true;
    }
}

void CmdCreateSubdirectory(TVeskScript& script, std::string& currentLine, bool& isCommand,
                           std::int32_t& resultCode)
{
    if (!ReadArgument(script, currentLine, isCommand, resultCode))
        return;
    script.TargetDir = script.TargetRootDir + NormalizeDir(currentLine);
    CreateTargetDir(script, resultCode);
    // The code stays: the run ends after the message.
    if (resultCode != 0)
        script.Host.ShowMessage("Unable to create directory\r\n" + script.TargetDir + "\r\n");
}

void CmdSetTargetDirectory(TVeskScript& script, std::string& currentLine, bool& isCommand,
                           std::int32_t& resultCode)
{
    if (!ReadArgument(script, currentLine, isCommand, resultCode))
        return;
    const std::string path = script.TargetRootDir + NormalizeDir(currentLine);
    if (script.Services.DirectoryExists(path)) {
        script.TargetDir = path;
        return;
    }
    script.Host.Beep(kSimpleBeep);
    script.Host.ShowMessage("Set target directory: \r\n" + path + "\r\ndoes not exist");
}

void CmdSetTargetRootDirectory(TVeskScript& script, std::string& currentLine, bool& isCommand,
                               std::int32_t& resultCode)
{
    if (!ReadArgument(script, currentLine, isCommand, resultCode))
        return;
    if (script.Services.DirectoryExists(currentLine)) {
        script.TargetRootDir = NormalizeDir(currentLine);
        script.TargetDir = script.TargetRootDir;
        return;
    }
    script.Host.Beep(kSimpleBeep);
    script.Host.ShowMessage("Set Target Root Directory: \r\n" + currentLine + "\r\ndoes not exist");
}

void CmdSetSourceDirectory(TVeskScript& script, std::string& currentLine, bool& isCommand,
                           std::int32_t& resultCode)
{
    if (ReadArgument(script, currentLine, isCommand, resultCode))
        script.SourceDir = script.ProgramDir + NormalizeDir(currentLine);
}
