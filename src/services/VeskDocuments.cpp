#include "services/VeskDocuments.h"

#include "services/VeskErrors.h"
#include "services/VeskFileAndShellUtil.h"
#include "services/VeskRegistry.h"
#include "services/VeskStringUtil.h"

#include <windows.h>

#include <array>

std::string DocumentExtension(std::string_view path)
{
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return {};
    const std::size_t separator = path.find_last_of("\\:");
    if (separator != std::string_view::npos && separator > dot)
        return {};
    return std::string(path.substr(dot));
}

void OpenDocument(const std::string& path)
{
    std::string command;
    if (!FindOpenCommand(DocumentExtension(path), command)) {
        // No association: a program or batch file runs itself, exactly as the script names it.
        RunCommandLine(path);
        return;
    }
    // Only the first "%1" stands for the document; quotes around it in the stored command stay, and no
    // quotes are added, so the stored command decides how a path with blanks is passed.
    if (command.find("%1") != std::string::npos)
        ReplaceFirst("%1", command, path);
    else
        command += " \"" + path + "\"";
    RunCommandLine(command);
}

bool FindOpenCommand(const std::string& extension, std::string& command)
{
    TRegistryAccess registry;
    // File types live under the classes root; the setting is left there, as nothing else reads through it.
    RegistryRootKey = HKEY_CLASSES_ROOT;
    std::string typeName;
    if (!ReadRegString(registry, "\\" + extension, "", typeName))
        return false;
    std::string openCommand;
    if (!ReadRegString(registry, "\\" + typeName + "\\shell\\open\\command", "", openCommand))
        return false;
    command = ExpandSystemRoot(LowerAscii(openCommand));
    return true;
}

std::string ExpandSystemRoot(const std::string& command)
{
    std::string expanded = LowerAscii(command);
    // The Windows directory keeps the case the platform reports and its trailing backslash: a backslash
    // after the placeholder gives a doubled separator, which the platform accepts.
    if (expanded.find("%systemroot%") != std::string::npos)
        ReplaceFirst("%systemroot%", expanded, GetWindowsDir());
    return expanded;
}

void RunCommandLine(const std::string& commandLine, std::size_t maxLength)
{
    // The start call reads a zero-terminated copy in a fixed buffer. A line longer than the caller's limit
    // or than the buffer holds, or with a zero character inside, would start cut short: another program or
    // other arguments than the line names. Such a line is refused whole and reported, never started.
    const bool fits = commandLine.size() <= maxLength && commandLine.size() < kStartBufferSize &&
                      commandLine.find('\0') == std::string::npos;
    if (!fits)
        throw EVeskError(std::string(kCommandLineTooLong) + "\r\n" + commandLine);

    std::array<char, kStartBufferSize> buffer{};
    commandLine.copy(buffer.data(), commandLine.size());
    // The program is left to run; its start is not checked, so a failed start goes unreported.
    WinExec(buffer.data(), SW_SHOW);
}
