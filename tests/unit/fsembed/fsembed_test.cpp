// fsembed end to end: the built tool is run as a build would run it, on
// files in a scratch folder.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "streaming/PeImageBuilder.h"

namespace {

namespace fs = std::filesystem;

struct Result {
    int exitCode;
    std::string out, err;
};

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
std::string ReadText(const fs::path& path) {
    const std::vector<std::uint8_t> b = ReadBytes(path);
    return std::string(b.begin(), b.end());
}
void WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
void WriteText(const fs::path& path, const std::string& text) { WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end())); }

std::vector<std::uint8_t> Sample(std::size_t size, unsigned seed) {
    std::vector<std::uint8_t> bytes(size);
    std::uint32_t x = seed;
    for (std::size_t i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        bytes[i] = (x >> 28) == 0 ? std::uint8_t(x >> 16) : std::uint8_t("embedded "[i % 9]);
    }
    return bytes;
}

class Fsembed : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "bvt-fsembed-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        ASSERT_TRUE(fs::exists(tool)) << tool << " is not built";
        fs::create_directories(dir / "files");
        fs::create_directories(dir / "tmp");
        dll = Sample(80000, 1);
        zip = Sample(3000, 2);
        WriteBytes(dir / "files" / "zipdll.dll", dll);
        WriteBytes(dir / "files" / "payload.zip", zip);
        WriteText(dir / "main.txt", R"(object Form1: TForm1
  Caption = 'Brivanta One Step Install'
  object Zip: TZipMaster
    ExtrOptions = [ExtrOverWrite]
  end
  object fs_zipdll: TFileSource
    Compress = True
    DisplayLabel = 'zipdll'
    Extension = '.dll'
    FileName = 'zipdll.dll'
    Store = True
  end
  object fs_zip: TFileSource
    Compress = False
    DisplayLabel = 'zip'
    Extension = '.zip'
    FileName = 'payload.zip'
    Store = True
  end
end
)");
    }
    void TearDown() override { fs::remove_all(dir); }

    Result Run(const std::string& args) {
        const fs::path out = dir / "stdout.txt", err = dir / "stderr.txt";
        const std::string command = "TMPDIR='" + (dir / "tmp").string() + "/' '" + tool + "' " + args + " >'" +
                                    out.string() + "' 2>'" + err.string() + "'";
        const int status = std::system(command.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(out), ReadText(err)};
    }
    std::string P(const char* name) const { return "'" + (dir / name).string() + "'"; }

    const std::string tool = BVT_BINARY_DIR "/fsembed";
    fs::path dir;
    std::vector<std::uint8_t> dll, zip;
};

TEST_F(Fsembed, HelpListsTheCommands) {
    const Result r = Run("--help");
    EXPECT_EQ(r.exitCode, 0);
    for (const char* command : {"compile", "compress", "expand", "extract", "show"})
        EXPECT_NE(r.out.find(std::string("  ") + command + " "), std::string::npos) << command;
}

TEST_F(Fsembed, CompileShowAndExtractRestoreTheEmbeddedFiles) {
    ASSERT_EQ(Run("compile " + P("main.txt") + " " + P("main.bin") + " --path " + P("files")).exitCode, 0);

    const Result shown = Run("show " + P("main.bin"));
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_NE(shown.out.find("  object fs_zipdll: TFileSource\n    Compress = True\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("    FileData = <" + std::to_string(4 + zip.size()) + " bytes>\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("ExtrOptions = [ExtrOverWrite]"), std::string::npos);

    EXPECT_EQ(Run("extract " + P("main.bin") + " fs_zipdll " + P("zipdll.out")).exitCode, 0);
    EXPECT_EQ(Run("extract " + P("main.bin") + " fs_zip " + P("zip.out")).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir / "zipdll.out"), dll);
    EXPECT_EQ(ReadBytes(dir / "zip.out"), zip);
    EXPECT_TRUE(fs::is_empty(dir / "tmp")) << "temporary files left behind";
}

TEST_F(Fsembed, ShowAndExtractFindDescriptionsInAProgramsResources) {
    ASSERT_EQ(Run("compile " + P("main.txt") + " " + P("main.bin") + " --path " + P("files")).exitCode, 0);
    WriteBytes(dir / "setup.exe", bvt::test::MakePe({{"ICONDATA", {1, 2}}, {"TFORM1", ReadBytes(dir / "main.bin")}}));
    const Result shown = Run("show " + P("setup.exe"));
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_EQ(shown.out.rfind("// resource TFORM1\nobject Form1: TForm1\n", 0), 0u) << shown.out;
    EXPECT_EQ(Run("extract " + P("setup.exe") + " fs_zipdll " + P("zipdll.out")).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir / "zipdll.out"), dll);
}

TEST_F(Fsembed, ADamagedDescriptionInAProgramIsNamedAndTheOthersStillServe) {
    ASSERT_EQ(Run("compile " + P("main.txt") + " " + P("main.bin") + " --path " + P("files")).exitCode, 0);
    std::vector<std::uint8_t> damaged = ReadBytes(dir / "main.bin");
    damaged.back() ^= 1;
    WriteBytes(dir / "setup.exe", bvt::test::MakePe({{"BROKEN", damaged}, {"TFORM1", ReadBytes(dir / "main.bin")}}));
    const Result shown = Run("show " + P("setup.exe"));
    EXPECT_EQ(shown.exitCode, 1);
    EXPECT_EQ(shown.out.rfind("// resource TFORM1\nobject Form1: TForm1\n", 0), 0u) << shown.out;
    EXPECT_NE(shown.err.find("resource BROKEN: Window description is damaged (checksum mismatch)"), std::string::npos) << shown.err;
    EXPECT_EQ(Run("extract " + P("setup.exe") + " fs_zip " + P("zip.out")).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir / "zip.out"), zip);
    const Result missing = Run("extract " + P("setup.exe") + " fs_none " + P("x.out"));
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("resource BROKEN: Window description is damaged"), std::string::npos) << missing.err;
}

TEST_F(Fsembed, CompressAndExpandRoundTrip) {
    EXPECT_EQ(Run("compress " + P("files/zipdll.dll") + " " + P("c.bin")).exitCode, 0);
    const std::vector<std::uint8_t> container = ReadBytes(dir / "c.bin");
    ASSERT_GE(container.size(), 10u);
    EXPECT_EQ(std::string(container.begin(), container.begin() + 6), "PMCS10");
    EXPECT_LT(container.size(), dll.size());
    EXPECT_EQ(Run("expand " + P("c.bin") + " " + P("d.bin")).exitCode, 0);
    EXPECT_EQ(ReadBytes(dir / "d.bin"), dll);
}

struct BadCase {
    const char* name;
    std::string args;
    int exitCode;
    const char* message;  // expected in stderr
};

TEST_F(Fsembed, BadInputsFailWithAMessageOnStderr) {
    ASSERT_EQ(Run("compile " + P("main.txt") + " " + P("main.bin") + " --path " + P("files")).exitCode, 0);
    std::vector<std::uint8_t> damaged = ReadBytes(dir / "main.bin");
    damaged[damaged.size() / 2] ^= 0x55;
    WriteBytes(dir / "damaged.bin", damaged);
    WriteText(dir / "bad.txt", "object Form1: TForm1\n  Left = \nend\n");
    WriteText(dir / "nofile.txt", "object Form1: TForm1\n object fs: TFileSource\n  FileName = 'no.dll'\n  Store = True\n end\nend\n");
    const std::vector<BadCase> cases = {
        {"no command", "", 2, "usage: fsembed COMMAND"},
        {"unknown command", "frobnicate", 2, "unknown command 'frobnicate'"},
        {"missing arguments", "compile " + P("main.txt"), 2, "usage: fsembed compile DESC OUT"},
        {"--path without folder", "compile " + P("main.txt") + " " + P("x.bin") + " --path", 2, "usage: fsembed compile"},
        {"missing text", "compile " + P("none.txt") + " " + P("x.bin"), 1, "Cannot open file"},
        {"syntax error", "compile " + P("bad.txt") + " " + P("x.bin"), 1, "bad.txt: Line 3: value expected"},
        {"embedded file missing", "compile " + P("nofile.txt") + " " + P("x.bin"), 1, "nofile.txt: Line 2: Form1.fs: fs cannot store file: "},
        {"not a description", "show " + P("main.txt"), 1, "is neither a window description nor a Windows program"},
        {"damaged description", "show " + P("damaged.bin"), 1, "Window description is damaged (checksum mismatch)"},
        {"unknown component", "extract " + P("main.bin") + " fs_none " + P("x.out"), 1, "no component named 'fs_none'"},
        {"component without file", "extract " + P("main.bin") + " Zip " + P("x.out"), 1, "Zip (TZipMaster) carries no embedded file"},
        {"expand a non-container", "expand " + P("main.txt") + " " + P("x.out"), 1, "Wrong file type"},
    };
    for (const BadCase& c : cases) {
        const Result r = Run(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.name;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.name << ": " << r.err;
    }
    EXPECT_FALSE(fs::exists(dir / "x.bin"));
    EXPECT_FALSE(fs::exists(dir / "x.out"));
}

}  // namespace
