#include "script/VeskScript3.h"

#include "script/ScriptFormat.h"
#include "services/VeskPathRules.h"
#include "services/VeskStringUtil.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Reads a whole file; false with the system's text on a failed open or read.
bool ReadWholeFile(const std::string& fileName, std::string& bytes, std::string& errorText)
{
    const FilePtr file(std::fopen(fileName.c_str(), "rb"));
    if (!file) {
        errorText = std::strerror(errno);
        return false;
    }
    // One allocation for the whole file where its size can be told.
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        if (const long size = std::ftell(file.get()); size > 0)
            bytes.reserve(static_cast<std::size_t>(size));
        std::rewind(file.get());
    }
    char chunk[64 * 1024];
    std::size_t count;
    while ((count = std::fread(chunk, 1, sizeof chunk, file.get())) > 0)
        bytes.append(chunk, count);
    if (std::ferror(file.get())) {
        errorText = "read error";
        return false;
    }
    return true;
}

} // namespace

TVeskScript::TVeskScript(IScriptHost& host, IScriptServices& services, const std::string& programDir)
    : Host(host), Services(services), Shell(services.Shell()), ProgramDir(NormalizeDir(programDir))
{
    SourceDir = ProgramDir;
    TargetDir = TargetRootDir;
}

void TVeskScript::SetControls(ui::IMemo* openingMemo, ui::IMemo* messageMemo, ui::ILabel* infoLabel,
                              ui::ILabel* titleLabel, ui::IEdit* editBox, ui::IButton* nextButton,
                              ui::IButton* quitButton, ui::IButton* moreButton, ui::IButton* openingButton)
{
    OpeningMemo = openingMemo;
    MessageMemo = messageMemo;
    InfoLabel = infoLabel;
    TitleLabel = titleLabel;
    EditBox = editBox;
    NextButton = nextButton;
    QuitButton = quitButton;
    MoreButton = moreButton;
    OpeningButton = openingButton;
    if (MoreButton)
        MoreButton->SetEnabled(false);
}

void TVeskScript::OpenScript(const std::string& fileName, std::int32_t& resultCode, std::string& errorText)
{
    // On any failure Lines keeps what it held, and the run must not start.
    resultCode = -1;
    try {
        std::string bytes;
        if (!ReadWholeFile(fileName, bytes, errorText))
            return;
        Lines = SplitScriptLines(bytes);
    } catch (const std::bad_alloc&) {
        errorText = "Out of memory";
        return;
    }
    errorText.clear();
    LineIndex = 0;
    resultCode = 0;
}

void TVeskScript::ReadLine(std::string& currentLine, bool& isCommand, std::int32_t& resultCode)
{
    resultCode = -1;
    isCommand = false;
    currentLine.clear();
    do {
        if (LineIndex < static_cast<std::int32_t>(Lines.size())) {
            currentLine = Trim(Lines[LineIndex]);
            ++LineIndex;
            resultCode = 0;
        } else {
            resultCode = 1;
        }
    } while (currentLine.empty() && resultCode == 0);

    if (resultCode == 0 && IsCommandLine(currentLine)) {
        currentLine = currentLine.substr(1, currentLine.size() - 2);
        isCommand = true;
    }
}

std::string TVeskScript::GetField(std::int32_t n, const std::string& text) const
{
    if (n < 1)
        return {};
    std::string_view rest(text);
    bool skippedAField = false;
    for (; n > 1; --n) {
        const auto separator = rest.find(Separator);
        if (separator == std::string_view::npos)
            return {};
        rest.remove_prefix(separator + 1);
        skippedAField = true;
    }
    const auto separator = rest.find(Separator);
    if (separator != std::string_view::npos)
        return Trim(rest.substr(0, separator));
    // A text without any separator is its own first field, as written.
    return skippedAField ? Trim(rest) : std::string(rest);
}

void TVeskScript::RequestAbort()
{
    WaitingForNext = false;
    WaitingForOpening = false;
    AbortRequested = true;
}

void TVeskScript::WaitForNext(const std::string& caption)
{
    if (!NextButton)
        return;
    if (!caption.empty())
        NextButton->SetCaption(caption);
    NextButton->SetVisible(true);
    NextButton->SetEnabled(true);
    // A button on a hidden panel could never be pressed and the wait would never end: its panel comes to
    // the front (a script that waits before any introduction text).
    if (ui::IPanel* panel = NextButton->ParentPanel(); panel && !panel->IsVisible()) {
        panel->BringToFront();
        panel->SetVisible(true);
    }

    // The click ends the wait from the moment the button shows, so that a click handled by the first
    // pump is not lost.
    WaitingForNext = true;
    const ui::ScopedAction<ui::ClickAction> clickEndsWait(NextButton->OnClick(), [this] { NextClicked(); });
    Host.ProcessMessages();
    while (WaitingForNext) {
        Host.Sleep(100);
        Host.ProcessMessages();
    }
}

void TVeskScript::SetInfoLabel(const std::string& text)
{
    if (!InfoLabel)
        return;
    InfoLabel->SetCaption(text);
    InfoLabel->SetVisible(true);
}

void TVeskScript::SetEditBox(const std::string& text, bool readOnly)
{
    if (!EditBox)
        return;
    EditBox->SetText(text);
    EditBox->SetVisible(true);
    EditBox->SetReadOnly(readOnly);
    if (MoreButton)
        MoreButton->SetVisible(true);
}
