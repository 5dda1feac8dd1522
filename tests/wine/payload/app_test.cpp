// Brivanta.exe under Wine: the document named on the command line (quoted,
// unquoted, with spaces) appears in the caption; damaged or missing
// documents give one error box and an empty window; the icons.
#include <gtest/gtest.h>

#include "WineDriver.h"

#include <shellapi.h>

using namespace payloadtest;

namespace {

const std::string kStage = WindowsPathOf(BVT_PAYLOAD_STAGE) + "\\";
const std::string kProgram = kStage + "Brivanta.exe";
constexpr int kHelpContents = 210;  // IDM_HELP_CONTENTS

std::string ReadSample() {
    std::string text;
    HANDLE file = CreateFileA((kStage + "sample.bvt").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got != 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

class DocumentFolders : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        spaced_ = TempFolder() + "Brivanta Docs\\";
        plain_ = TempFolder() + "bvtdocs\\";
        CreateDirectoryA(spaced_.c_str(), nullptr);
        CreateDirectoryA(plain_.c_str(), nullptr);
        const std::string sample = ReadSample();
        ASSERT_FALSE(sample.empty());
        WriteFile(spaced_ + "sample.bvt", sample);
        WriteFile(plain_ + "letter.bvt", "BVT1\r\nTitle: A letter\r\n\r\nDear reader,\r\n");
    }

    // Closes the main window and expects a normal end.
    static void CloseAndExpectCleanEnd(Process& process, HWND window) {
        EXPECT_TRUE(WindowsOf(process.Id(), "#32770").empty()) << "an unexpected message box is open";
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(process.Wait(), 0u);
    }

    static std::string spaced_;
    static std::string plain_;
};

std::string DocumentFolders::spaced_;
std::string DocumentFolders::plain_;

struct LaunchCase {
    const char* name;
    const char* arguments;  // "{spaced}" and "{plain}" stand for the folders
    const char* caption;
};

void PrintTo(const LaunchCase& c, std::ostream* out) { *out << c.name; }

class Launches : public DocumentFolders, public ::testing::WithParamInterface<LaunchCase> {};

std::string Expand(std::string text, const std::string& spaced, const std::string& plain) {
    for (const auto& [key, value] : {std::make_pair(std::string("{spaced}"), spaced), std::make_pair(std::string("{plain}"), plain)}) {
        for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key))
            text.replace(at, key.size(), value);
    }
    return text;
}

TEST_P(Launches, CaptionNamesTheDocument) {
    const LaunchCase& c = GetParam();
    Process process("\"" + kProgram + "\"" + Expand(c.arguments, spaced_, plain_));
    HWND window = WaitForWindow(process.Id(), "BrivantaDocumentWindow", c.caption);
    ASSERT_NE(window, nullptr) << "no window captioned " << c.caption;
    CloseAndExpectCleanEnd(process, window);
}

INSTANTIATE_TEST_SUITE_P(
    Payload, Launches,
    ::testing::Values(LaunchCase{"QuotedPathWithSpaces", " \"{spaced}sample.bvt\"", "sample.bvt - Brivanta"},
                      LaunchCase{"UnquotedPathWithSpaces", " {spaced}sample.bvt", "sample.bvt - Brivanta"},
                      LaunchCase{"UnquotedPlainPath", " {plain}letter.bvt", "letter.bvt - Brivanta"},
                      LaunchCase{"ExtraBlanks", "    \"{plain}letter.bvt\"   ", "letter.bvt - Brivanta"},
                      LaunchCase{"NoDocument", "", "Brivanta"}),
    [](const ::testing::TestParamInfo<LaunchCase>& info) { return info.param.name; });

struct BadDocumentCase {
    const char* name;
    const char* fileName;
    std::string content;  // not written when the file name starts with "missing"
    const char* reason;   // part of the error box's text
};

void PrintTo(const BadDocumentCase& c, std::ostream* out) { *out << c.name; }

class BadDocuments : public DocumentFolders, public ::testing::WithParamInterface<BadDocumentCase> {};

TEST_P(BadDocuments, ErrorBoxThenEmptyWindow) {
    const BadDocumentCase& c = GetParam();
    const std::string path = plain_ + c.fileName;
    if (std::string(c.fileName).rfind("missing", 0) != 0) WriteFile(path, c.content);
    Process process("\"" + kProgram + "\" \"" + path + "\"");

    HWND box = WaitForWindow(process.Id(), "#32770", "Brivanta");
    ASSERT_NE(box, nullptr) << "no error box";
    const std::string text = MessageBoxText(box);
    EXPECT_NE(text.find("Brivanta cannot open the document \"" + path + "\"."), std::string::npos) << text;
    EXPECT_NE(text.find(c.reason), std::string::npos) << text;
    Answer(box, IDOK);

    HWND window = WaitForWindow(process.Id(), "BrivantaDocumentWindow", "Brivanta");
    ASSERT_NE(window, nullptr) << "the empty window is missing";
    CloseAndExpectCleanEnd(process, window);
}

INSTANTIATE_TEST_SUITE_P(
    Payload, BadDocuments,
    ::testing::Values(
        BadDocumentCase{"Missing", "missing.bvt", "", "Cannot open file"},
        BadDocumentCase{"Empty", "empty.bvt", "", "The file is not a Brivanta document."},
        BadDocumentCase{"OtherFormat", "picture.bvt", "GIF89a\x01\x00", "The file is not a Brivanta document."},
        BadDocumentCase{"BinaryBody", "binary.bvt", std::string("BVT1\nTitle: T\n\n\x00\x01\x02", 17),
                        "Line 4 of the document contains a control character."},
        BadDocumentCase{"NoTitle", "untitled.bvt", "BVT1\r\nAuthor: A\r\n", "The document has no title."},
        BadDocumentCase{"DamagedHeader", "header.bvt", "BVT1\r\nTitle T\r\n",
                        "Line 2 of the document header is not of the form"},
        BadDocumentCase{"TooLarge", "large.bvt", "BVT1\nTitle: T\n\n" + std::string(1024 * 1024, 'x'),
                        "The document is larger than 1 MB."}),
    [](const ::testing::TestParamInfo<BadDocumentCase>& info) { return info.param.name; });

TEST_F(DocumentFolders, HelpWithoutHelpFileSaysSo) {
    const std::string folder = TempFolder() + "nohelp\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    CopyFileOrThrow(kProgram, folder + "Brivanta.exe");
    Process process("\"" + folder + "Brivanta.exe\"");
    HWND window = WaitForWindow(process.Id(), "BrivantaDocumentWindow", "Brivanta");
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(kHelpContents, 0), 0);
    HWND box = WaitForWindow(process.Id(), "#32770", "Brivanta");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), "The help file \"" + folder + "Brivanta.chm\" was not found.");
    Answer(box, IDOK);
    CloseAndExpectCleanEnd(process, window);
}

TEST_F(DocumentFolders, HelpOpensTheHelpFileNextToTheProgram) {
    Process process("\"" + kProgram + "\"");
    HWND window = WaitForWindow(process.Id(), "BrivantaDocumentWindow", "Brivanta");
    ASSERT_NE(window, nullptr);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(kHelpContents, 0), 0);
    // The system's help viewer shows the help file's own title.
    HWND viewer = WaitForAnyWindow("Brivanta Help");
    ASSERT_NE(viewer, nullptr) << "no help window";
    DWORD viewerId = 0;
    GetWindowThreadProcessId(viewer, &viewerId);
    EXPECT_NE(viewerId, process.Id());
    PostMessageA(viewer, WM_CLOSE, 0, 0);
    HANDLE viewerProcess = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, viewerId);
    if (viewerProcess != nullptr) {
        if (WaitForSingleObject(viewerProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(viewerProcess, 0);
        CloseHandle(viewerProcess);
    }
    CloseAndExpectCleanEnd(process, window);
}

TEST(Icons, ApplicationAndDocumentIcons) {
    EXPECT_GE(ExtractIconExA(kProgram.c_str(), -1, nullptr, nullptr, 0), 2u);
    for (int index : {0, 1}) {
        HICON icon = ExtractIconA(GetModuleHandleA(nullptr), kProgram.c_str(), index);
        ASSERT_NE(icon, nullptr) << "icon " << index;
        ASSERT_NE(reinterpret_cast<INT_PTR>(icon), 1) << "icon " << index;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectA(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, 32) << "icon " << index;
        if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    // The small images exist too (16 x 16).
    HICON large = nullptr;
    HICON small = nullptr;
    ASSERT_EQ(ExtractIconExA(kProgram.c_str(), 1, &large, &small, 1), 2u);
    EXPECT_NE(small, nullptr);
    DestroyIcon(large);
    DestroyIcon(small);
}

}  // namespace
