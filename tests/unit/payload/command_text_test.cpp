#include <gtest/gtest.h>

#include "CommandText.h"
#include "LaunchArgument.h"

using namespace bvt;

namespace {

struct ArgumentCase {
    const char* name;
    const char* commandLine;
    const char* document;
};

class DocumentArguments : public ::testing::TestWithParam<ArgumentCase> {};

TEST_P(DocumentArguments, Extract) {
    EXPECT_EQ(DocumentArgument(GetParam().commandLine), GetParam().document);
}

INSTANTIATE_TEST_SUITE_P(
    Launch, DocumentArguments,
    ::testing::Values(
        ArgumentCase{"NoArgument", "\"C:\\Apps\\Brivanta.exe\"", ""},
        ArgumentCase{"OnlyBlanks", "\"C:\\Apps\\Brivanta.exe\"   \t", ""},
        ArgumentCase{"Empty", "", ""},
        ArgumentCase{"QuotedBoth", "\"C:\\Program Files\\B\\Brivanta.exe\" \"C:\\My Docs\\a.bvt\"", "C:\\My Docs\\a.bvt"},
        ArgumentCase{"UnquotedWithSpaces", "\"C:\\B\\Brivanta.exe\" C:\\My Docs\\a b.bvt", "C:\\My Docs\\a b.bvt"},
        ArgumentCase{"UnquotedProgram", "Brivanta a.bvt", "a.bvt"},
        ArgumentCase{"TrailingBlanksTrimmed", "Brivanta.exe   C:\\a.bvt  ", "C:\\a.bvt"},
        ArgumentCase{"FurtherQuotedArgumentIgnored", "B.exe \"C:\\a.bvt\" \"x\"", "C:\\a.bvt"},
        ArgumentCase{"UnclosedQuoteTakesRest", "B.exe \"C:\\a b.bvt", "C:\\a b.bvt"},
        ArgumentCase{"UnclosedProgramQuote", "\"C:\\B\\Brivanta.exe", "" }),
    [](const ::testing::TestParamInfo<ArgumentCase>& info) { return info.param.name; });

struct CommandCase {
    const char* name;
    const char* command;
    const char* program;
};

class OpenCommands : public ::testing::TestWithParam<CommandCase> {};

TEST_P(OpenCommands, ProgramOf) { EXPECT_EQ(ProgramOfCommand(GetParam().command), GetParam().program); }

INSTANTIATE_TEST_SUITE_P(
    Uninstall, OpenCommands,
    ::testing::Values(
        CommandCase{"AsInstalled", "\"C:\\Apps\\Brivanta\\Brivanta.exe\" \"%1\"", "C:\\Apps\\Brivanta\\Brivanta.exe"},
        CommandCase{"UnquotedWithSpaces", "C:\\Program Files\\Brivanta\\BRIVANTA.EXE %1",
                    "C:\\Program Files\\Brivanta\\BRIVANTA.EXE"},
        CommandCase{"UnquotedExeInFolderName", "C:\\a.exe.d\\Brivanta.exe \"%1\"", "C:\\a.exe.d\\Brivanta.exe"},
        CommandCase{"LeadingBlanks", "  \"C:\\B.exe\"", "C:\\B.exe"},
        CommandCase{"UnclosedQuote", "\"C:\\B.exe %1", ""},
        CommandCase{"Empty", "", ""},
        CommandCase{"NoExe", "notepad %1", "notepad"}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

}  // namespace
