#include "services/VeskPathRules.h"
#include "services/VeskStringUtil.h"

#include <gtest/gtest.h>

TEST(Trim, RemovesEveryControlCharacterAndSpaceButKeepsHighCharacters)
{
    EXPECT_EQ(Trim(std::string("\x01\t \x1F" "a b\r\n\x00 ", 11)), "a b");
    EXPECT_EQ(Trim("\xA0x\xA0"), "\xA0x\xA0");
    EXPECT_EQ(Trim(" \t "), "");
}

TEST(ContainsNoCase, FoldsAsciiOnlyAndMatchesAnywhere)
{
    EXPECT_TRUE(ContainsNoCase("-NoAsk", "create program group -NOASK"));
    EXPECT_TRUE(ContainsNoCase("-noask", "-NOASKING"));
    EXPECT_TRUE(ContainsNoCase("-NoAsk", "c:\\x-noask\\y"));
    EXPECT_TRUE(ContainsNoCase("run", "xrunx"));
    EXPECT_FALSE(ContainsNoCase("-NoAsk", ""));
    EXPECT_FALSE(ContainsNoCase("", "create directory"));
    // Accented capitals are not folded: only A to Z are.
    EXPECT_FALSE(ContainsNoCase("\xE9", "\xC9"));
    EXPECT_FALSE(ContainsNoCase("longer than text", "short"));
}

TEST(NormalizeDir, GivesEveryDirectoryOneTrailingBackslash)
{
    EXPECT_EQ(NormalizeDir(""), "");
    EXPECT_EQ(NormalizeDir("   \t"), "");
    EXPECT_EQ(NormalizeDir("c:"), "c:\\");
    EXPECT_EQ(NormalizeDir("c:\\"), "c:\\");
    EXPECT_EQ(NormalizeDir("c:\\Program Files"), "c:\\Program Files\\");
    EXPECT_EQ(NormalizeDir("c:\\x\\"), "c:\\x\\");
    EXPECT_EQ(NormalizeDir("c:\\x "), "c:\\x \\");
    EXPECT_EQ(NormalizeDir(" c:\\x"), " c:\\x\\");
    EXPECT_EQ(NormalizeDir("c:/x/"), "c:/x/\\");
}

TEST(IsAbsolutePath, DriveColonOrLeadingBackslashAfterOneQuote)
{
    EXPECT_TRUE(IsAbsolutePath("   c:\\x"));
    EXPECT_TRUE(IsAbsolutePath("\"c:\\x\""));
    EXPECT_TRUE(IsAbsolutePath("\\x"));
    EXPECT_TRUE(IsAbsolutePath("\\\\srv\\share"));
    EXPECT_TRUE(IsAbsolutePath("a:"));
    EXPECT_TRUE(IsAbsolutePath("c:x"));
    EXPECT_FALSE(IsAbsolutePath("x\\y"));
    EXPECT_FALSE(IsAbsolutePath("..\\x"));
    EXPECT_FALSE(IsAbsolutePath(""));
    EXPECT_FALSE(IsAbsolutePath("\""));
    EXPECT_FALSE(IsAbsolutePath("\"\"c:\\x"));
}

TEST(ProgramDir, KeepsTheRootBackslashAndNormalisesDirectories)
{
    EXPECT_EQ(ProgramDirOfModulePath("c:\\setup\\setup.exe"), "c:\\setup\\");
    EXPECT_EQ(ProgramDirOfModulePath("a:\\setup.exe"), "a:\\");
    EXPECT_EQ(ProgramDirOfModulePath("a:setup.exe"), "a:\\");
    EXPECT_EQ(ProgramDirOfModulePath("\\\\srv\\share\\setup.exe"), "\\\\srv\\share\\");
    EXPECT_EQ(ProgramDirOfModulePath("setup.exe"), "");
}

TEST(ExpandFromDir, LeavesAbsolutePathsAsWrittenAndPrefixesRelativeOnes)
{
    EXPECT_EQ(ExpandFromDir("c:\\setup\\", "install.script"), "c:\\setup\\install.script");
    EXPECT_EQ(ExpandFromDir("c:\\setup\\", "..\\x.script"), "c:\\setup\\..\\x.script");
    EXPECT_EQ(ExpandFromDir("c:\\setup\\", "d:\\other.script"), "d:\\other.script");
    EXPECT_EQ(ExpandFromDir("c:\\setup\\", "  \"d:\\a b.script\""), "  \"d:\\a b.script\"");
}
