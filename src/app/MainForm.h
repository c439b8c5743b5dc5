// TFormMain: the one borderless wizard window with its introduction and installation panels. It owns the
// script object, settles which script file is run, starts the run once the window is on the screen, and
// closes when the run is over.
#pragma once

#include "app/ScriptHostWin32.h"
#include "app/ScriptServicesWin32.h"
#include "script/VeskScript3.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Memo.h"
#include "ui/Panel.h"
#include "ui/Timer.h"

#include <string>
#include <vector>

class TFormMain {
public:
    // Creates the window (hidden) and its controls and settles the script file from the command-line
    // arguments (the first one names the script).
    explicit TFormMain(const std::vector<std::string>& arguments);

    // False when no script could be found; the message was shown and the program is to end.
    bool HasScript() const { return hasScript_; }
    // Shows the window centred; showing arms the start timer.
    void Show();
    // The process's exit code once the window is gone: 0, or 1 when no script could be run.
    int ExitCode() const { return exitCode_; }

    // The script file that is run: the program directory's install.script unless an argument names one.
    std::string ScriptFileName = "install.script";

private:
    void FormCreate(const std::vector<std::string>& arguments);
    void FormShow();
    void FormActivate();
    void Timer1Timer();
    void FirstButtonClick();
    void ButtonAbortClick();
    void Close();
    bool SettleScriptFile(const std::vector<std::string>& arguments);

    ScriptHostWin32 host_;
    ScriptServicesWin32 services_;
    ui::Form window_;
    ui::Panel PanelInstall;
    ui::Label Label1;
    ui::Label LabelTitle;
    ui::Button ButtonScript;
    ui::Edit Edit1;
    ui::Memo Memo1;
    ui::Button ButtonAbort;
    ui::Button ButtonEdit;
    ui::Panel PanelAbout;
    ui::Label Label2;
    ui::Label Label5;
    ui::Label Label4;
    ui::Label Label3;
    ui::Memo MemoTitle;
    ui::Button FirstButton;
    ui::Timer Timer1;
    TVeskScript script_;

    bool hasScript_ = false;
    bool runStarted_ = false;
    bool running_ = false;
    bool closeRequested_ = false;
    int exitCode_ = 0;
};
