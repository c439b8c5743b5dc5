// TVeskScript: the state of one installation (directories, program group, abort request, the script's
// lines and read position), the main window's controls in their roles, and the services every command
// handler uses: loading the script, reading the next line, splitting fields, waiting for "&Next >>".
#pragma once

#include "script/ScriptHost.h"
#include "script/ScriptServices.h"
#include "ui/Controls.h"

#include <cstdint>
#include <string>
#include <vector>

class TVeskScript {
public:
    // programDir is the directory of the setup program's own file; it is kept normalised.
    TVeskScript(IScriptHost& host, IScriptServices& services, const std::string& programDir);
    TVeskScript(const TVeskScript&) = delete;
    TVeskScript& operator=(const TVeskScript&) = delete;

    // Stores the controls in their roles and disables MoreButton until a prompt enables it.
    void SetControls(ui::IMemo* openingMemo, ui::IMemo* messageMemo, ui::ILabel* infoLabel, ui::ILabel* titleLabel,
                     ui::IEdit* editBox, ui::IButton* nextButton, ui::IButton* quitButton, ui::IButton* moreButton,
                     ui::IButton* openingButton);

    // Loads the whole file into Lines. resultCode is 0 when loaded, -1 when it could not be opened or read.
    void OpenScript(const std::string& fileName, std::int32_t& resultCode, std::string& errorText);

    // Reads the next non-empty line. resultCode 0: a line was read (isCommand tells whether it is a command
    // line, whose brackets are then stripped); 1: the end of the lines.
    void ReadLine(std::string& currentLine, bool& isCommand, std::int32_t& resultCode);

    // The n-th field (from 1) of a line separated by Separator, trimmed; empty beyond the last field.
    std::string GetField(std::int32_t n, const std::string& text) const;

    // Ends any wait at its next check and stops the run before the next command.
    void RequestAbort();

    // Shows and enables NextButton (with the caption, unless it is empty) and waits until it is pressed
    // or the abort is requested.
    void WaitForNext(const std::string& caption);

    // The introduction panel's button action during "wait openingtext": ends that wait.
    void OpeningClicked() { WaitingForOpening = false; }

    void SetInfoLabel(const std::string& text);
    void SetEditBox(const std::string& text, bool readOnly);

    // Runs the loaded script to its end; resultCode is the code that ended it.
    void Run(std::int32_t& resultCode);
    // Performs the command whose text is in currentLine, then reads on to the next command line.
    void ExecuteCommand(std::string& currentLine, std::int32_t& resultCode);

    IScriptHost& Host;
    IScriptServices& Services;
    // The user's Start-menu folders and the shortcut writer, used by the program group commands.
    IVeskShell& Shell;

    std::string ProgramGroup;
    std::string SourceDir;
    std::string ProgramDir;
    std::string TargetDir;
    std::string TargetRootDir;
    std::string LastErrorText;
    bool WaitingForNext = false;
    bool WaitingForOpening = false;
    ui::IButton* NextButton = nullptr;
    ui::IButton* QuitButton = nullptr;
    ui::IButton* MoreButton = nullptr;
    ui::IButton* OpeningButton = nullptr;
    ui::ILabel* InfoLabel = nullptr;
    ui::ILabel* TitleLabel = nullptr;
    ui::IEdit* EditBox = nullptr;
    ui::IMemo* OpeningMemo = nullptr;
    ui::IMemo* MessageMemo = nullptr;
    bool AbortRequested = false;
    std::vector<std::string> Lines;
    std::int32_t LineIndex = 0;
    char Separator = ',';

private:
    void NextClicked() { WaitingForNext = false; }
};
