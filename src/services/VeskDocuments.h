// Opening a document the way the desktop does on a double click (the program its type is associated with,
// or the file itself when its type has none) and starting a command line without waiting for it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The longest command line an opened document may produce; one character more raises the error below.
inline constexpr std::size_t kOpenCommandMaxLength = 250;
// The longest command line the "run" command starts.
inline constexpr std::size_t kRunCommandMaxLength = 255;
// The start call receives the command line as a zero-terminated copy in a buffer of this many bytes, so
// no line of more than kStartBufferSize - 1 characters can be started whole, whatever limit a caller asks.
inline constexpr std::size_t kStartBufferSize = 256;

// The first line of the error raised for a command line that cannot be started whole; the message goes on
// with a line break ("\r\n") and the command line.
inline constexpr char kCommandLineTooLong[] = "CommandLine too long";

// The extension of a path: from its last full stop to the end, full stop included, when that full stop
// comes after the last backslash and the last colon; otherwise empty.
std::string DocumentExtension(std::string_view path);

// Starts the program associated with the path's extension with the path in its command line (in place of
// the first "%1", or appended in double quotes when there is none); a path whose extension has no open
// command is started itself, as written. Raises EVeskError "CommandLine too long" for a command line of
// more than kOpenCommandMaxLength characters. A program that fails to start is not reported.
void OpenDocument(const std::string& path);

// The open command registered for an extension (full stop included) under HKEY_CLASSES_ROOT: the type
// name in the extension key's default value, then the default value of "<type>\shell\open\command",
// lower-cased and with %SystemRoot% expanded. False, with command untouched, when either is missing.
// Leaves RegistryRootKey set to HKEY_CLASSES_ROOT. A value of a non-text type raises EVeskError.
bool FindOpenCommand(const std::string& extension, std::string& command);

// The command lower-cased (ASCII letters only) with its first "%systemroot%" replaced by the Windows
// directory (which ends with a backslash). No other environment reference is expanded.
std::string ExpandSystemRoot(const std::string& command);

// Starts a command line shown normally and does not wait for it. A line that cannot be handed to the start
// call whole (longer than maxLength, longer than the start buffer holds, or holding a zero character) is
// never started cut short: EVeskError is raised with kCommandLineTooLong, "\r\n" and the command line.
void RunCommandLine(const std::string& commandLine, std::size_t maxLength = kOpenCommandMaxLength);
