// The install-directory prompt and the directory commands through the real window, on the prefix's C:.
#include "Wizard.h"

using namespace e2e;

namespace {

constexpr char kRoot[] = "c:\\VeskE2E";

bool DirExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

struct DirectoryPrompt : Wizard {
    void SetUp() override
    {
        RemoveTree(kRoot);
        CreateDirectoryA(kRoot, nullptr);
    }
    void TearDown() override
    {
        Wizard::TearDown();
        setup.Terminate();
        RemoveTree(kRoot);
    }
};

} // namespace

TEST_F(DirectoryPrompt, TheUserCorrectsADirectoryThatCannotBeCreatedAndTheCommandsReportMissingOnes)
{
    Media media("directory-prompt");
    CloseHandle(CreateFileA("c:\\VeskE2E\\file.txt", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    Start(media, "<wait openingtext>\r\nHi\r\n<create directory>\r\nc:\\VeskE2E\\file.txt\\App\r\n"
                 "<create subdirectory>\r\nbin\r\n<set target root directory>\r\nc:\\VeskE2E\\missing\r\n"
                 "<set target directory>\r\nnothere\r\n<wait button>\r\n&Done\r\n<end>\r\n");
    PassIntroduction("Hi");

    ASSERT_NE(drive::WaitControl(window, "Install directory", kStepMs, "Static"), nullptr);
    const HWND edit = EditBoxOf(window);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(drive::Text(edit), "c:\\VeskE2E\\file.txt\\App");
    EXPECT_TRUE(drive::IsEnabled(drive::FindControl(window, "&More...", "Button")));
    Press("&Next >>");
    EXPECT_EQ(AnswerMessage(), "Unable to create directory\nc:\\VeskE2E\\file.txt\\App\\\n\nspecify another directory.");

    // The prompt again, with the script's default: back to c:\VeskE2E\ and a new name, refused keys dropped.
    ASSERT_TRUE(drive::PressKey(edit, VK_END));
    ASSERT_TRUE(drive::TypeChars(edit, std::string(12, '\b') + "App:.*1"));
    EXPECT_EQ(drive::Text(edit), "c:\\VeskE2E\\App1");
    Press("&Next >>");

    EXPECT_EQ(AnswerMessage(), "Set Target Root Directory: \nc:\\VeskE2E\\missing\ndoes not exist");
    EXPECT_EQ(AnswerMessage(), "Set target directory: \nc:\\VeskE2E\\App1\\nothere\\\ndoes not exist");
    ASSERT_NE(drive::WaitControl(window, "&Done", kStepMs, "Button"), nullptr);
    EXPECT_TRUE(DirExists("c:\\VeskE2E\\App1\\bin"));
    EXPECT_FALSE(drive::IsEnabled(drive::FindControl(window, "&More...", "Button")));
    Press("&Done");
    EXPECT_TRUE(setup.WaitExit(kStepMs));
}

TEST_F(DirectoryPrompt, NoAskCreatesTheDefaultSilentlyAndAFailingSubdirectoryEndsTheRun)
{
    Media media("directory-noask");
    Start(media, "<create directory -NOASK>\r\nc:\\VeskE2E\\Quiet\\Deep\r\n<create subdirectory>\r\nsub\\inner\r\n"
                 "<create subdirectory>\r\nsub\\inner\\x\\\r\n<create subdirectory>\r\nsub\\in*valid\r\n"
                 "<wait button>\r\nNever\r\n");
    EXPECT_EQ(AnswerMessage(), "Unable to create directory\nc:\\VeskE2E\\Quiet\\Deep\\sub\\in*valid\\\n");
    DWORD exitCode = 1;
    EXPECT_TRUE(setup.WaitExit(kStepMs, &exitCode)) << "the failing subdirectory ends the run";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_TRUE(DirExists("c:\\VeskE2E\\Quiet\\Deep\\sub\\inner\\x"));
}

TEST_F(DirectoryPrompt, MoreOpensTheDirectoryDialogWhereANewDirectoryIsMadeAndChosen)
{
    const std::string chosen = "c:\\VeskE2EChosen";
    RemoveTree(chosen);
    Media media("directory-more");
    Start(media, "<wait openingtext>\r\nHi\r\n<create directory>\r\nc:\\VeskE2E\\Default\r\n<wait button>\r\n&Done\r\n"
                 "<end>\r\n");
    PassIntroduction("Hi");
    Press("&More...");

    const HWND dialog = drive::WaitWindow("Directory selection", kStepMs, setup.Id());
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(drive::IsEnabled(drive::WaitControl(dialog, "Create &Dir", kStepMs, "Button")));
    Media::SaveArtefact(dialog, "directory-dialog");
    Press("Create &Dir", dialog);

    const HWND create = drive::WaitWindow("c:\\", kStepMs, setup.Id());
    ASSERT_NE(create, nullptr) << "the create dialog is titled with the open directory";
    const HWND name = drive::WaitControl(create, "", kStepMs, "Edit");
    ASSERT_TRUE(drive::TypeChars(name, "VeskE2E\\:Chosen"));
    EXPECT_EQ(drive::Text(name), "VeskE2EChosen");
    ASSERT_TRUE(drive::PressKey(name, VK_RETURN));
    ASSERT_TRUE(drive::WaitGone(create, kStepMs));
    EXPECT_TRUE(DirExists(chosen));

    Press("&OK", dialog);
    ASSERT_TRUE(drive::WaitGone(dialog, kStepMs));
    const HWND edit = EditBoxOf(window);
    EXPECT_EQ(drive::Text(edit), chosen + "\\");
    Press("&Next >>");
    ASSERT_NE(drive::WaitControl(window, "&Done", kStepMs, "Button"), nullptr);
    EXPECT_FALSE(DirExists("c:\\VeskE2E\\Default")) << "the chosen directory was taken, not the default";
    Press("&Done");
    EXPECT_TRUE(setup.WaitExit(kStepMs));
    RemoveTree(chosen);
}
