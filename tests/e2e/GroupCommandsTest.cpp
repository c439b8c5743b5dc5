// The program group prompt and the shortcuts through the real window, in the prefix's own Start menu.
#include "Wizard.h"

#include <fstream>

using namespace e2e;

namespace {

constexpr char kTarget[] = "c:\\VeskE2EGroups";

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct GroupCommandsE2E : Wizard {
    const std::string programs = ShellFolder("Programs");
    const std::string desktop = ShellFolder("Desktop");
    const std::string startup = ShellFolder("Startup");

    void SetUp() override
    {
        CleanUp();
        CreateDirectoryA(kTarget, nullptr);
        std::ofstream(std::string(kTarget) + "\\app.exe") << "not really a program";
        CreateDirectoryA((programs + "\\Zz Vesk Chosen").c_str(), nullptr);
    }
    void TearDown() override
    {
        Wizard::TearDown();
        setup.Terminate();
        CleanUp();
    }
    void CleanUp()
    {
        RemoveTree(kTarget);
        for (const char* group : {"\\Vesk Games", "\\Zz Vesk Chosen", "\\Vesk NoAsk Group"})
            RemoveTree(programs + group);
        DeleteFileA((desktop + "\\Vesk Desktop Item.lnk").c_str());
        DeleteFileA((startup + "\\Vesk Startup Item.lnk").c_str());
    }
};

} // namespace

TEST_F(GroupCommandsE2E, TheGroupPromptRefusesAnInvalidNameAndOffersTheGroupDialog)
{
    ASSERT_FALSE(programs.empty());
    Media media("groups");
    Start(media, std::string("<wait openingtext>\r\nGroups\r\n<create directory -noask>\r\n") + kTarget +
                     "\r\n<create program group>\r\nGames (old)\r\n<create program items>\r\n\"app.exe\" -x, App Item\r\n"
                     "<create program items -desktop>\r\n\"app.exe\", Vesk Desktop Item\r\n"
                     "<create program items -startup>\r\n\"app.exe\", Vesk Startup Item\r\n"
                     "<create program group>\r\nDefault Group\r\n<create program items>\r\n\"app.exe\", Chosen Item\r\n"
                     "<create program group -noask>\r\nVesk NoAsk Group\r\n<wait button>\r\n&Done\r\n<end>\r\n");
    PassIntroduction("Groups");

    ASSERT_NE(drive::WaitControl(window, "Program group:", kStepMs, "Static"), nullptr);
    const HWND edit = EditBoxOf(window);
    EXPECT_EQ(drive::Text(edit), "Games (old)");
    Press("&Next >>");
    EXPECT_EQ(AnswerMessage(), "Invalid program group name: \nGames (old)\nspecify another program group name.");
    ASSERT_TRUE(drive::PressKey(edit, VK_END));
    ASSERT_TRUE(drive::TypeChars(edit, std::string(11, '\b') + "Vesk (Games)"));
    EXPECT_EQ(drive::Text(edit), "Vesk Games") << "the key filter drops the parentheses";
    Press("&Next >>");

    // The second group comes from the group dialog.
    for (const DWORD start = GetTickCount(); drive::Text(edit) != "Default Group" && GetTickCount() - start < kStepMs;)
        Sleep(drive::kPollMs);
    ASSERT_EQ(drive::Text(edit), "Default Group");
    Press("&More...");
    const HWND dialog = drive::WaitWindow("Program Group selection", kStepMs, setup.Id());
    ASSERT_NE(dialog, nullptr);
    Media::SaveArtefact(dialog, "program-group-dialog");
    const HWND list = drive::WaitControl(dialog, "", kStepMs, "ListBox");
    ASSERT_TRUE(drive::TypeChars(list, "Z"));
    Press("&OK", dialog);
    ASSERT_TRUE(drive::WaitGone(dialog, kStepMs));
    EXPECT_EQ(drive::Text(EditBoxOf(window)), "Zz Vesk Chosen");
    Press("&Next >>");

    ASSERT_NE(drive::WaitControl(window, "&Done", kStepMs, "Button"), nullptr);
    EXPECT_TRUE(Exists(programs + "\\Vesk Games\\App Item.lnk"));
    EXPECT_TRUE(Exists(desktop + "\\Vesk Desktop Item.lnk"));
    EXPECT_TRUE(Exists(startup + "\\Vesk Startup Item.lnk"));
    EXPECT_TRUE(Exists(programs + "\\Zz Vesk Chosen\\Chosen Item.lnk"));
    EXPECT_TRUE(Exists(programs + "\\Vesk NoAsk Group"));
    Press("&Done");
    EXPECT_TRUE(setup.WaitExit(kStepMs));
}
