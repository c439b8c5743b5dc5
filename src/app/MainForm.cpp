#include "app/MainForm.h"

#include "services/VeskFileAndShellUtil.h"
#include "ui/ErrorReport.h"
#include "ui/MessageLoop.h"

using namespace ui;
using namespace ui::colors;

namespace {

// The window's layout, in pixels of the client area and of the panels.
const FormSpec kFormMain{.caption = "FormMain", .clientWidth = 508, .clientHeight = 367, .color = Olive,
                         .font = {.face = "MS Sans Serif", .pixelHeight = 11}, .dialogFrame = false};

const FontSpec kSansBold13{.face = "MS Sans Serif", .pixelHeight = 13, .bold = true};
const FontSpec kSansBold16{.face = "MS Sans Serif", .pixelHeight = 16, .bold = true};
const FontSpec kArial16{.face = "Arial", .pixelHeight = 16};
const FontSpec kTitleFont{.face = "Arial", .pixelHeight = 64, .bold = true, .italic = true};

const ControlSpec kPanelInstall{.left = 5, .top = 5, .width = 498, .height = 357,
                                .backColor = GetSysColor(COLOR_BTNFACE), .visible = false};
const ControlSpec kLabel1{.caption = ".....", .left = 9, .top = 246, .width = 21, .height = 16, .font = kSansBold13,
                          .textColor = Black};
const ControlSpec kLabelTitle{.caption = "Installation", .left = 12, .top = 16, .width = 128, .height = 29,
                              .font = {.face = "Arial", .pixelHeight = 24, .bold = true}, .textColor = Black};
const ControlSpec kButtonScript{.caption = "&Next >>", .left = 376, .top = 312, .width = 113, .height = 33,
                                .font = kSansBold16};
const ControlSpec kEdit1{.left = 8, .top = 264, .width = 417, .height = 24,
                         .font = {.face = "MS Sans Serif", .pixelHeight = 13}, .textColor = Black,
                         .backColor = Aqua, .readOnly = true};
const ControlSpec kMemo1{.left = 8, .top = 56, .width = 481, .height = 169, .font = kArial16, .textColor = Black,
                         .backColor = Aqua, .tabStop = false, .readOnly = true, .verticalScrollBar = true};
const ControlSpec kButtonAbort{.caption = "&Quit", .left = 10, .top = 312, .width = 65, .height = 33,
                               .font = kSansBold16, .tabStop = false};
const ControlSpec kButtonEdit{.caption = "&More...", .left = 424, .top = 264, .width = 65, .height = 24,
                              .font = kSansBold13, .textColor = Black};

const ControlSpec kPanelAbout{.caption = "PanelAbout", .left = 5, .top = 5, .width = 500, .height = 356,
                              .backColor = Silver};
const ControlSpec kLabel2{.caption = "Vesk-Install", .left = 97, .top = 16, .width = 288, .height = 74,
                          .font = kTitleFont, .textColor = White};
const ControlSpec kLabel4{.caption = "www.vesk-install.example", .left = 154, .top = 80, .width = 173, .height = 17,
                          .font = {.face = "Arial", .pixelHeight = 15, .bold = true, .italic = true},
                          .textColor = Yellow};
const ControlSpec kLabel3{.caption = "2.9", .left = 392, .top = 19, .width = 22, .height = 18,
                          .font = {.face = "Arial", .pixelHeight = 16, .bold = true, .italic = true},
                          .textColor = Grey};
// Drawn 3 pixels left of and 2 above the white copy, which then shows as a light edge.
const ControlSpec kLabel5{.caption = "Vesk-Install ", .left = 94, .top = 14, .width = 306, .height = 74,
                          .font = kTitleFont, .textColor = Purple, .transparent = true};
const ControlSpec kMemoTitle{.left = 15, .top = 109, .width = 472, .height = 185,
                             .font = {.face = "Arial", .pixelHeight = 16, .charset = ANSI_CHARSET},
                             .backColor = Aqua, .readOnly = true, .verticalScrollBar = true};
const ControlSpec kFirstButton{.caption = "&Next >>", .left = 375, .top = 311, .width = 113, .height = 33,
                               .font = kSansBold16};

constexpr UINT kStartDelayMs = 300;
constexpr char kDefaultScript[] = "install.script";

} // namespace

// Controls are created in tab order within each panel (creation order is the order Tab follows), and
// labels in the order in which they overlap.
TFormMain::TFormMain(const std::vector<std::string>& arguments)
    : window_(kFormMain),
      PanelInstall(window_, kPanelInstall),
      Label1(PanelInstall, kLabel1),
      LabelTitle(PanelInstall, kLabelTitle),
      ButtonScript(PanelInstall, kButtonScript),
      Edit1(PanelInstall, kEdit1),
      Memo1(PanelInstall, kMemo1),
      ButtonAbort(PanelInstall, kButtonAbort),
      ButtonEdit(PanelInstall, kButtonEdit),
      PanelAbout(window_, kPanelAbout),
      Label2(PanelAbout, kLabel2),
      Label5(PanelAbout, kLabel5),
      Label4(PanelAbout, kLabel4),
      Label3(PanelAbout, kLabel3),
      MemoTitle(PanelAbout, kMemoTitle),
      FirstButton(PanelAbout, kFirstButton),
      Timer1(window_, kStartDelayMs),
      script_(host_, services_, GetProgramDir())
{
    FormCreate(arguments);
}

void TFormMain::FormCreate(const std::vector<std::string>& arguments)
{
    PanelAbout.BringToFront();
    Memo1.AddLine("");

    window_.OnShow = [this] { FormShow(); };
    window_.OnActivate = [this] { FormActivate(); };
    window_.OnClose = [this] { Close(); };
    window_.OnDestroy = [this] { PostQuitMessage(exitCode_); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    FirstButton.OnClick() = [this] { FirstButtonClick(); };
    ButtonAbort.OnClick() = [this] { ButtonAbortClick(); };

    script_.SetControls(&MemoTitle, &Memo1, &Label1, &LabelTitle, &Edit1, &ButtonScript, &ButtonAbort, &ButtonEdit,
                        &FirstButton);
    hasScript_ = SettleScriptFile(arguments);
    if (!hasScript_)
        exitCode_ = 1;
}

bool TFormMain::SettleScriptFile(const std::vector<std::string>& arguments)
{
    if (!arguments.empty()) {
        // A missing file is reported when it is opened.
        ScriptFileName = ExpandFromProgramDir(arguments.front());
        return true;
    }
    ScriptFileName = ExpandFromProgramDir(kDefaultScript);
    if (IsExistingFile(ScriptFileName))
        return true;
    // The 8.3 form of the name, for media written by tools that know no long names.
    ScriptFileName.resize(ScriptFileName.size() - 3);
    if (IsExistingFile(ScriptFileName))
        return true;
    ShowMessage("Error: script file\r\n" + ScriptFileName + "\r\nnot found");
    return false;
}

void TFormMain::Show()
{
    window_.ShowCentered();
    FirstButton.Focus();
}

void TFormMain::FormShow()
{
    ProcessMessages();
    Timer1.Enable();
}

void TFormMain::FormActivate()
{
    Timer1.Enable();
}

void TFormMain::Timer1Timer()
{
    Timer1.Disable();
    // Activation re-arms the timer during the run; the script runs once per program start.
    if (runStarted_)
        return;
    runStarted_ = true;

    // The window closes when the run is over, unless an error left it: then it stays open as the run
    // left it, but a close the user asked for meanwhile still happens.
    struct RunScope {
        TFormMain& form;
        explicit RunScope(TFormMain& f) : form(f) { form.running_ = true; }
        ~RunScope()
        {
            form.running_ = false;
            if (form.closeRequested_)
                form.window_.Destroy();
        }
    } scope(*this);

    std::int32_t resultCode = 0;
    std::string errorText;
    script_.OpenScript(ScriptFileName, resultCode, errorText);
    if (resultCode != 0) {
        exitCode_ = 1;
        ShowMessage("Error opening installation script file: \r\n\r\n" + ScriptFileName);
    } else {
        script_.Run(resultCode);
    }
    closeRequested_ = true;
}

void TFormMain::FirstButtonClick()
{
    PanelAbout.Show(false);
    PanelInstall.Show(true);
    ButtonScript.Focus();
    ProcessMessages();
}

void TFormMain::ButtonAbortClick()
{
    if (!Confirm("Are you sure you want to abort the installation procedure?"))
        return;
    script_.RequestAbort();
    Close();
}

void TFormMain::Close()
{
    if (!running_) {
        window_.Destroy();
        return;
    }
    // The command in progress returns first; the window goes as soon as the run is over.
    script_.RequestAbort();
    closeRequested_ = true;
    window_.Show(false);
}
