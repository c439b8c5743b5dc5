// The levels of a directory path, from the path itself up to its root, that directory creation walks.
#include "services/VeskPathRules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Levels = std::vector<std::string>;

Levels LevelsOf(std::string_view path)
{
    Levels levels;
    SplitDirLevels(path, levels);
    return levels;
}

} // namespace

TEST(DirLevels, GoFromThePathUpToItsRoot)
{
    EXPECT_EQ(LevelsOf("c:\\a\\b\\"), (Levels{"c:\\a\\b\\", "c:\\a\\b", "c:\\a", "c:\\"}));
    EXPECT_EQ(LevelsOf("c:\\a\\b"), (Levels{"c:\\a\\b", "c:\\a", "c:\\"}));
    EXPECT_EQ(LevelsOf("d:\\x"), (Levels{"d:\\x", "d:\\"}));
    EXPECT_EQ(LevelsOf("\\\\srv\\share\\d"), (Levels{"\\\\srv\\share\\d", "\\\\srv\\share", "\\\\srv", "c:\\"}));
}

TEST(DirLevels, PutALevelWithoutADriveOnDriveC)
{
    EXPECT_EQ(LevelsOf("\\a\\b"), (Levels{"\\a\\b", "c:\\a"}));
    EXPECT_EQ(LevelsOf("a\\b"), (Levels{"a\\b", "c:\\a"}));
    EXPECT_EQ(LevelsOf("a\\b\\c"), (Levels{"a\\b\\c", "a\\b", "c:\\a"}));
}

TEST(DirLevels, AreOnlyThePathItselfWhenNoBackslashSplitsIt)
{
    EXPECT_EQ(LevelsOf("c:"), (Levels{"c:"}));
    EXPECT_EQ(LevelsOf("name"), (Levels{"name"}));
    EXPECT_EQ(LevelsOf("\\a"), (Levels{"\\a"})) << "a backslash in first place starts no parent";
}

TEST(DirLevels, KeepThePathAsWrittenButCutParentsAtBackslashes)
{
    EXPECT_EQ(LevelsOf(" c:\\a "), (Levels{" c:\\a ", " c:\\"}));
    EXPECT_EQ(LevelsOf("c:\\a b\\c"), (Levels{"c:\\a b\\c", "c:\\a b", "c:\\"}));
}

TEST(DirLevels, AreEmptyForABlankPathAndTheOldListIsCleared)
{
    Levels levels{"old"};
    SplitDirLevels(" \t ", levels);
    EXPECT_TRUE(levels.empty());

    levels = {"old", "older"};
    SplitDirLevels("c:\\x", levels);
    EXPECT_EQ(levels, (Levels{"c:\\x", "c:\\"}));

    SplitDirLevels("", levels);
    EXPECT_TRUE(levels.empty());
}
