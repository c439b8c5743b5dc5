#include "script/FileCommands.h"

#include "script/CommandHelpers.h"
#include "script/VeskScript3.h"
#include "services/VeskPathRules.h"
#include "services/VeskStringUtil.h"

namespace {

// The base of "copy files", "delete files" and "deltree": the first option present wins.
std::string TargetBase(TVeskScript& script, const std::string& commandText)
{
    if (ContainsNoCase("-windir", commandText))
        return script.Services.WindowsDir();
    if (ContainsNoCase("-systemdir", commandText))
        return script.Services.SystemDir();
    return script.TargetDir;
}

// The base of "open file": names are used as written without an option.
std::string OpenBase(TVeskScript& script, const std::string& commandText)
{
    if (ContainsNoCase("-sourcedir", commandText))
        return script.SourceDir;
    if (ContainsNoCase("-targetdir", commandText))
        return script.TargetDir;
    if (ContainsNoCase("-windir", commandText) || ContainsNoCase("-systemdir", commandText))
        return TargetBase(script, commandText);
    return {};
}

std::string InBase(const std::string& base, const std::string& name)
{
    return IsAbsolutePath(name) ? name : base + name;
}

// A directory named with a closing backslash is looked for and removed without it.
std::string WithoutClosingBackslash(std::string path)
{
    if (path.size() > 1 && path.back() == '\\' && path[path.size() - 2] != ':' && path[path.size() - 2] != '\\')
        path.pop_back();
    return path;
}

// A name written in double quotes is the file it names: the quotes are not part of it.
std::string Unquoted(const std::string& name)
{
    if (name.empty() || name.front() != '"')
        return name;
    const auto closing = name.find('"', 1);
    return Trim(name.substr(1, closing == std::string::npos ? std::string::npos : closing - 1));
}

// Looks for an item until it is there or the user ignores it or aborts: the beep and the missing-item box
// each time it is not there. True when the item is there.
template <typename Present>
bool FindOrAsk(TVeskScript& script, const std::string& message, const std::string& path, bool ask, Present present)
{
    while (!present()) {
        if (!ask)
            return false;
        script.Host.Beep(kSimpleBeep);
        switch (script.Host.AskMissingItem(message + "\r\n" + path + "\r\n")) {
        case MissingItemAnswer::Abort:
            script.AbortRequested = true;
            return false;
        case MissingItemAnswer::Ignore:
            return false;
        case MissingItemAnswer::Retry:
            break;
        }
    }
    return true;
}

// Works through the argument lines of a command that stops at an abort, reading no line after it.
template <typename Item>
void ForEachItem(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode,
                 Item item)
{
    script.ReadLine(currentLine, isCommand, resultCode);
    while (!isCommand && resultCode == 0 && !script.AbortRequested) {
        item(currentLine);
        if (script.AbortRequested)
            return;
        script.ReadLine(currentLine, isCommand, resultCode);
    }
}

// Asks for the disk that holds the file, then waits for "&Next >>" if it shows. False when cancelled.
bool ChangeDisk(TVeskScript& script, const std::string& neededFile)
{
    std::string location = script.SourceDir;
    const bool ok = script.Host.AskForNextDisk(location, neededFile);
    script.Host.SetBusyCursor(false);
    if (!ok) {
        script.AbortRequested = true;
        return false;
    }
    script.SourceDir = location;
    if (script.NextButton && script.NextButton->IsVisible())
        script.WaitForNext("&Next >>");
    script.Host.ProcessMessages();
    return true;
}

// Copies one line's file, asking for the next disk until the source is found. False when cancelled.
bool CopyLine(TVeskScript& script, const std::string& line, const std::string& targetBase)
{
    const std::string sourceName = script.GetField(1, line);
    const std::string target = targetBase + script.GetField(2, line);
    for (;;) {
        const std::string source = script.SourceDir + sourceName;
        script.Host.SetBusyCursor(true);
        script.Host.ProcessMessages();
        if (script.Services.FileExists(source)) {
            std::int32_t copyResult = 0;
            script.Services.CopyIfNewer(source, target, copyResult, script.LastErrorText);
            // A file that could not be installed is said so; the installation goes on with the next one.
            if (copyResult != 0) {
                script.Host.SetBusyCursor(false);
                script.Host.ShowMessage(script.LastErrorText);
            }
            return true;
        }
        if (!ChangeDisk(script, sourceName))
            return false;
    }
}

} // namespace

void CmdCopyFiles(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    const std::string targetBase = TargetBase(script, currentLine);
    const BusyCursor busy(script.Host);
    script.ReadLine(currentLine, isCommand, resultCode);
    while (!isCommand && resultCode == 0) {
        if (!CopyLine(script, currentLine, targetBase))
            return;
        script.ReadLine(currentLine, isCommand, resultCode);
    }
}

void CmdDeleteFiles(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    const std::string base = TargetBase(script, currentLine);
    const bool showError = ContainsNoCase("-ShowError", currentLine);
    const BusyCursor busy(script.Host);
    ForEachItem(script, currentLine, isCommand, resultCode, [&](const std::string& line) {
        const std::string path = InBase(base, line);
        script.Host.ProcessMessages();
        if (FindOrAsk(script, "To be deleted file does not exist: ", path, showError,
                      [&] { return script.Services.FileExists(path); }))
            script.Services.RemoveFile(path);
    });
}

void CmdDelTree(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    const std::string base = TargetBase(script, currentLine);
    const bool showError = ContainsNoCase("-ShowError", currentLine);
    ForEachItem(script, currentLine, isCommand, resultCode, [&](const std::string& line) {
        const std::string path = WithoutClosingBackslash(InBase(base, line));
        if (FindOrAsk(script, "To be deleted directory does not exist: ", path, showError,
                      [&] { return script.Services.DirectoryExists(path); }))
            script.Services.DelTree(path, script.LastErrorText);
    });
}

void CmdOpenFile(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    const std::string base = OpenBase(script, currentLine);
    ForEachItem(script, currentLine, isCommand, resultCode, [&](const std::string& line) {
        const std::string path = InBase(base, Unquoted(line));
        if (FindOrAsk(script, "To be opened file does not exist: ", path, true,
                      [&] { return script.Services.ProgramFileExists(path); }))
            script.Services.OpenDocument(path);
    });
}

void CmdRun(TVeskScript& script, std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    // Always from the program's own directory, even after a disk change; quotes keep a path with blanks
    // together.
    script.ReadLine(currentLine, isCommand, resultCode);
    while (!isCommand && resultCode == 0) {
        const bool quoted = currentLine.front() == '"';
        script.Services.StartProgram(quoted ? "\"" + script.ProgramDir + currentLine.substr(1)
                                            : script.ProgramDir + currentLine);
        script.ReadLine(currentLine, isCommand, resultCode);
    }
}
