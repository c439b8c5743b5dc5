// The Win32 control layer under Wine: real windows, driven through their messages.
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/ErrorReport.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/Memo.h"
#include "ui/Panel.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

struct Controls : ::testing::Test {
    Form form{FormSpec{.caption = "ControlsTest", .clientWidth = 300, .clientHeight = 200}};
    Panel panel{form, ControlSpec{.caption = "panel", .left = 0, .top = 0, .width = 300, .height = 200}};
};

RECT WindowRectOf(const Window& window)
{
    RECT rect;
    GetWindowRect(window.Handle(), &rect);
    return rect;
}

} // namespace

TEST_F(Controls, MemoKeepsLogicalLinesEvenWhenTheyWrap)
{
    Memo memo(panel, ControlSpec{.left = 0, .top = 0, .width = 120, .height = 80, .readOnly = true,
                                 .verticalScrollBar = true});
    const std::string longLine(300, 'w');
    memo.BeginUpdate();
    memo.AddLine("first");
    memo.AddLine(longLine);
    memo.AddLine(" ");
    memo.AddLine("last");
    memo.EndUpdate();
    EXPECT_EQ(memo.LineCount(), 4);
    EXPECT_EQ(memo.Line(1), longLine);
    EXPECT_EQ(memo.Line(2), " ");
    EXPECT_EQ(memo.Line(3), "last");
    EXPECT_EQ(memo.Line(4), "");

    memo.InsertLine(0, "");
    EXPECT_EQ(memo.LineCount(), 5);
    EXPECT_EQ(memo.Line(1), "first");
    memo.DeleteLine(0);
    EXPECT_EQ(memo.LineCount(), 4);
    EXPECT_EQ(memo.Line(0), "first");
    DWORD selStart = 1, selEnd = 1;
    SendMessageA(memo.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    EXPECT_EQ(selStart, 0u) << "the caret is left at the start";

    memo.Clear();
    EXPECT_EQ(memo.LineCount(), 0);
}

TEST_F(Controls, EditKeyPressActionSeesEveryCharacterAndMayDropIt)
{
    Edit edit(panel, ControlSpec{.left = 0, .top = 0, .width = 100, .height = 20});
    std::string seen;
    edit.OnKeyPress() = [&](char& key) {
        seen += key;
        if (key >= '0' && key <= '9')
            key = 0;
        else if (key == 'a')
            key = 'A';
    };
    for (char c : std::string("a1b2"))
        SendMessageA(edit.Handle(), WM_CHAR, static_cast<unsigned char>(c), 0);
    EXPECT_EQ(seen, "a1b2");
    EXPECT_EQ(edit.Text(), "Ab");

    edit.SetReadOnly(true);
    EXPECT_TRUE(edit.IsReadOnly());
    edit.SetReadOnly(false);
    EXPECT_FALSE(edit.IsReadOnly());
}

TEST_F(Controls, ButtonClickRunsTheCurrentActionAndKnowsItsPanel)
{
    Button onPanel(panel, ControlSpec{.caption = "&Next >>", .left = 0, .top = 0, .width = 80, .height = 25});
    Button onForm(form, ControlSpec{.caption = "&Quit", .left = 0, .top = 0, .width = 80, .height = 25});
    int clicks = 0;
    onPanel.OnClick() = [&] { ++clicks; };
    // The parent reflects the button's notification to its object.
    SendMessageA(panel.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(onPanel.Handle()), BN_CLICKED),
                 reinterpret_cast<LPARAM>(onPanel.Handle()));
    EXPECT_EQ(clicks, 1);
    {
        const ScopedAction<ClickAction> swapped(onPanel.OnClick(), [&] { clicks += 10; });
        onPanel.OnCommand(BN_CLICKED);
    }
    onPanel.OnCommand(BN_CLICKED);
    EXPECT_EQ(clicks, 12);

    EXPECT_EQ(onPanel.ParentPanel(), static_cast<IPanel*>(&panel));
    EXPECT_EQ(onForm.ParentPanel(), nullptr);
    EXPECT_EQ(onPanel.Caption(), "&Next >>");
}

TEST_F(Controls, LabelsGrowWithTheirCaption)
{
    Label label(panel, ControlSpec{.caption = ".....", .left = 9, .top = 20, .width = 21, .height = 16});
    const RECT before = WindowRectOf(label);
    label.SetCaption("Install directory");
    const RECT after = WindowRectOf(label);
    EXPECT_GT(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(label.Caption(), "Install directory");
}

TEST_F(Controls, HiddenControlsReportTheirState)
{
    Button button(panel, ControlSpec{.caption = "b", .width = 10, .height = 10});
    form.ShowAt(0, 0);
    EXPECT_TRUE(button.IsVisible());
    button.SetVisible(false);
    EXPECT_FALSE(button.IsVisible());
    button.SetEnabled(false);
    EXPECT_FALSE(button.IsEnabled());
    panel.SetVisible(false);
    button.SetVisible(true);
    EXPECT_FALSE(button.IsVisible()) << "a control on a hidden panel is not visible";
}

TEST(ErrorReport, AppendsAFullStopAfterCharactersAboveIt)
{
    EXPECT_EQ(ErrorReportText("I/O error 5"), "I/O error 5.");
    EXPECT_EQ(ErrorReportText("CommandLine too long"), "CommandLine too long.");
    EXPECT_EQ(ErrorReportText("Done."), "Done.");
    EXPECT_EQ(ErrorReportText("What?!"), "What?!") << "'!' lies below the full stop";
    EXPECT_EQ(ErrorReportText("path c:\\x\\"), "path c:\\x\\.");
    EXPECT_EQ(ErrorReportText(""), "");
}
