#include "ProgramFile.h"
#include "ReadWholeFile.h"

#include "EncodingNames.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <grp.h>
#include <iostream>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessivar {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using test::ListFolder;
using test::ReadBytes;
using test::TemporaryFolder;
using test::WriteBytes;

const TextLines Program = {"Z(1)", "S(1)", ""};
const std::string ProgramBytes = "Z(1)\r\nS(1)\r\n";

mode_t PermissionsOf(const std::string& path)
{
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0);
    return info.st_mode & 07777;
}

std::string OpenErrorText(const std::string& path, const std::string& reason)
{
    return "ファイル " + path + " は開けません。 " + reason + " ";
}

std::string CreateErrorText(const std::string& path, const std::string& reason)
{
    return "ファイル \"" + path + "\" を作成できません。" + reason;
}

// Permission bits do not hold back root; the child of a death test gives up root
// (when it has it) so that they do. What it prints is matched by the parent.
void DropRoot()
{
    if (geteuid() != 0)
        return;
    const passwd* nobody = getpwnam("nobody");
    const uid_t uid = nobody ? nobody->pw_uid : 65534;
    const gid_t gid = nobody ? nobody->pw_gid : 65534;
    if (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0) {
        std::cerr << "cannot give up root";
        std::exit(2);
    }
}

// Writes while files may grow only to a few bytes, so that writing stops
// part-way as on a full disk; the write fails instead of the process being stopped.
std::optional<ProgramFileError> WriteWithFileSizeLimit(const std::string& path, const TextLines& lines)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlim_t unlimited = limit.rlim_cur;
    limit.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::optional<ProgramFileError> error = WriteProgramFile(path, lines, TextEncoding::Ansi);
    limit.rlim_cur = unlimited;
    setrlimit(RLIMIT_FSIZE, &limit);
    return error;
}

void PrintOutcome(const std::optional<ProgramFileError>& error)
{
    std::cerr << (error ? Text(error->message) : std::string("saved"));
    std::exit(0);
}

TEST(ReadProgramFileTest, ReadsLinesAndEncoding)
{
    const TemporaryFolder folder;
    const std::string path = folder.File("prog.urm");
    WriteBytes(path,
               "\xEF\xBB\xBF"
               "Z(1)\r\nS(1)\r\n");

    const ProgramFileReading reading = ReadProgramFile(path);
    EXPECT_FALSE(reading.error);
    EXPECT_EQ(reading.encoding, TextEncoding::Utf8);
    EXPECT_EQ(reading.lines, Program);
}

TEST(ReadProgramFileTest, UnopenableFileNamesPathAndReason)
{
    const TemporaryFolder folder;
    const std::string tooLarge = folder.File("large.urm");
    WriteBytes(tooLarge, "");
    fs::resize_file(tooLarge, kLargestProgramFile + 1);
    const std::string limitReason = "ファイルが大きすぎます (16 MiB まで)";
    struct Case {
        std::string path;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {folder.File("missing.urm"), "No such file or directory"},
        {folder.Path().string(), "Is a directory"},
        {folder.File("missing/prog.urm"), "No such file or directory"},
        {tooLarge, limitReason},
        {"/dev/zero", limitReason},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const ProgramFileReading reading = ReadProgramFile(c.path);
        ASSERT_TRUE(reading.error);
        EXPECT_EQ(Text(reading.error->message), OpenErrorText(c.path, c.reason));
        EXPECT_FALSE(reading.encoding);
        EXPECT_TRUE(reading.lines.empty());
    }
}

TEST(ReadProgramFileTest, RelativePathIsShownInFull)
{
    const std::string name = "tessivar-no-such-folder/prog.urm";
    const ProgramFileReading reading = ReadProgramFile(name);
    ASSERT_TRUE(reading.error);
    EXPECT_EQ(Text(reading.error->message),
              OpenErrorText((fs::current_path() / name).string(), "No such file or directory"));
}

TEST(ReadProgramFileTest, UndecodableFileKeepsItsEncoding)
{
    const TemporaryFolder folder;
    const std::string path = folder.File("prog.urm");
    WriteBytes(path, "\xFE\xFFZ");

    const ProgramFileReading reading = ReadProgramFile(path);
    ASSERT_TRUE(reading.error);
    EXPECT_EQ(Text(reading.error->message),
              "Unicode 文字のマッピングがターゲットのマルチバイト コード ページに存在しません");
    EXPECT_EQ(reading.encoding, TextEncoding::Utf16BE);
}

TEST(ReadProgramFileTest, UnreadableFileReportsNoAccess)
{
    const TemporaryFolder folder;
    fs::permissions(folder.Path(), fs::perms::all);
    const std::string path = folder.File("secret.urm");
    EXPECT_EXIT(
        {
            DropRoot();
            WriteBytes(path, ProgramBytes);
            fs::permissions(path, fs::perms::none);
            const ProgramFileReading reading = ReadProgramFile(path);
            std::cerr << (reading.error ? Text(reading.error->message) : std::string("read"));
            std::exit(0);
        },
        testing::ExitedWithCode(0), "secret.urm は開けません。 Permission denied $");
}

TEST(WriteProgramFileTest, NewFileGetsTheLinesAndUsualPermissions)
{
    const TemporaryFolder folder;
    const std::string path = folder.File("new.urm");
    const mode_t mask = umask(0);
    umask(mask);

    EXPECT_FALSE(WriteProgramFile(path, Program, TextEncoding::Utf16LE));
    EXPECT_EQ(ReadBytes(path), "\xFF\xFEZ\0(\0001\0)\0\r\0\n\0S\0(\0001\0)\0\r\0\n\0"s);
    EXPECT_EQ(PermissionsOf(path), 0666 & ~mask);
    EXPECT_EQ(ListFolder(folder.Path()), "new.urm");
}

TEST(WriteProgramFileTest, ReplacesOldFileAndKeepsItsPermissions)
{
    const TemporaryFolder folder;
    const std::string path = folder.File("prog.urm");
    for (const mode_t mode : {0640, 0604, 0751}) {
        SCOPED_TRACE(mode);
        WriteBytes(path, "a much longer old program that must go entirely\r\n");
        ASSERT_EQ(chmod(path.c_str(), mode), 0);

        EXPECT_FALSE(WriteProgramFile(path, Program, TextEncoding::Ansi));
        EXPECT_EQ(ReadBytes(path), ProgramBytes);
        EXPECT_EQ(PermissionsOf(path), mode);
        EXPECT_EQ(ListFolder(folder.Path()), "prog.urm");
    }
}

TEST(WriteProgramFileTest, SymbolicLinkIsFollowedAndStays)
{
    const TemporaryFolder folder;
    fs::create_directory(folder.Path() / "real");
    const std::string target = folder.File("real/prog.urm");
    WriteBytes(target, "old");
    const std::string link = folder.File("link.urm");
    fs::create_symlink("real/prog.urm", link);

    EXPECT_FALSE(WriteProgramFile(link, Program, TextEncoding::Ansi));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), ProgramBytes);
    EXPECT_EQ(ListFolder(folder.Path() / "real"), "prog.urm");
}

TEST(WriteProgramFileTest, UnwritablePlacesFailWithNothingWritten)
{
    const TemporaryFolder folder;
    WriteBytes(folder.File("plain"), "plain file");
    fs::create_directory(folder.Path() / "sub");
    struct Case {
        std::string path;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {folder.File("missing/prog.urm"), "No such file or directory"},
        {folder.File("plain/prog.urm"), "Not a directory"},
        {folder.File("sub"), "Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const std::optional<ProgramFileError> error = WriteProgramFile(c.path, Program, TextEncoding::Ansi);
        ASSERT_TRUE(error);
        EXPECT_EQ(Text(error->message), CreateErrorText(c.path, c.reason));
    }
    EXPECT_EQ(ListFolder(folder.Path()), "plain sub");
    EXPECT_EQ(ReadBytes(folder.File("plain")), "plain file");
    EXPECT_EQ(ListFolder(folder.Path() / "sub"), "");
}

TEST(WriteProgramFileTest, FailureHalfWayKeepsTheOldFile)
{
    const TemporaryFolder folder;
    const std::string path = folder.File("prog.urm");
    WriteBytes(path, ProgramBytes);
    const TextLines longer(1000, "J(1,2,3)");

    EXPECT_EXIT({ PrintOutcome(WriteWithFileSizeLimit(path, longer)); }, testing::ExitedWithCode(0),
                "prog.urm\" を作成できません。File too large$");
    EXPECT_EQ(ReadBytes(path), ProgramBytes);
    EXPECT_EQ(ListFolder(folder.Path()), "prog.urm");

    // A new file that cannot be finished is not left behind either.
    const std::string fresh = folder.File("fresh.urm");
    EXPECT_EXIT({ PrintOutcome(WriteWithFileSizeLimit(fresh, longer)); }, testing::ExitedWithCode(0),
                "File too large$");
    EXPECT_EQ(ListFolder(folder.Path()), "prog.urm");
}

TEST(WriteProgramFileTest, LockedFolderTakesNoNewFile)
{
    const TemporaryFolder folder;
    fs::permissions(folder.Path(), fs::perms::all);
    const std::string locked = folder.File("locked");
    EXPECT_EXIT(
        {
            DropRoot();
            fs::create_directory(locked);
            fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
            PrintOutcome(WriteProgramFile(locked + "/prog.urm", Program, TextEncoding::Ansi));
        },
        testing::ExitedWithCode(0), "locked/prog.urm\" を作成できません。Permission denied$");
    EXPECT_EQ(ListFolder(locked), "");
}

// Where the folder takes no new file, a writable file is rewritten in place:
// cut to its new length, or given its old bytes back when a write fails half-way.
TEST(WriteProgramFileTest, LockedFolderRewritesAWritableFileInPlace)
{
    const struct {
        const char* name;
        std::string old;
        TextLines lines;
        bool sizeLimited;
        const char* outcome;
    } cases[] = {
        {"shorter", "a longer old program to be cut\r\n", Program, false, "^saved$"},
        {"failing half-way", ProgramBytes, TextLines(1000, "J(1,2,3)"), true,
         "locked/prog.urm\" を作成できません。File too large$"},
    };
    for (const auto& c : cases) {
        const TemporaryFolder folder;
        fs::permissions(folder.Path(), fs::perms::all);
        const std::string locked = folder.File("locked");
        const std::string path = locked + "/prog.urm";
        EXPECT_EXIT(
            {
                DropRoot();
                fs::create_directory(locked);
                WriteBytes(path, c.old);
                fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);
                PrintOutcome(c.sizeLimited ? WriteWithFileSizeLimit(path, c.lines)
                                           : WriteProgramFile(path, c.lines, TextEncoding::Ansi));
            },
            testing::ExitedWithCode(0), c.outcome)
            << c.name;
        EXPECT_EQ(ReadBytes(path), ProgramBytes) << c.name;
        EXPECT_EQ(ListFolder(locked), "prog.urm") << c.name;
    }
}

// When the system's code page converter cannot be loaded (here: no file
// descriptor is left for it), saving reports an error instead of failing
// with an exception, and the file stays as it was.
TEST(ProgramFileConverterTest, AConverterThatCannotBeLoadedIsAnErrorNotACrash)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizers' own checks need the file descriptors this test takes away";
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe"); // a fresh process, no converter loaded yet
    const TemporaryFolder folder;
    const std::string path = folder.File("prog.urm");
    WriteBytes(path, ProgramBytes);
    EXPECT_EXIT(
        {
            rlimit few{};
            few.rlim_cur = few.rlim_max = 32;
            setrlimit(RLIMIT_NOFILE, &few);
            while (dup(0) >= 0) {}
            PrintOutcome(WriteProgramFile(path, Program, TextEncoding::Ansi));
        },
        testing::ExitedWithCode(0), "^文字コードを変換できません。");
    EXPECT_EQ(ReadBytes(path), ProgramBytes);
}

TEST(WriteProgramFileTest, ReadOnlyFileIsNotReplaced)
{
    const TemporaryFolder folder;
    fs::permissions(folder.Path(), fs::perms::all);
    const std::string path = folder.File("readonly.urm");
    EXPECT_EXIT(
        {
            DropRoot();
            WriteBytes(path, "kept");
            fs::permissions(path, fs::perms::owner_read);
            PrintOutcome(WriteProgramFile(path, Program, TextEncoding::Ansi));
        },
        testing::ExitedWithCode(0), "readonly.urm\" を作成できません。Permission denied$");
    EXPECT_EQ(ReadBytes(path), "kept");
    EXPECT_EQ(ListFolder(folder.Path()), "readonly.urm");
}

TEST(ProgramFileRoundTripTest, SavedFileOpensWithTheSameLinesAndEncoding)
{
    const TemporaryFolder folder;
    const std::string path = folder.File("prog.urm");
    const TextLines lines = {"/ \xE4\xB8\x8D\xE5\xAE\x8C\xE5\x85\xA8 \xEF\xBD\xB1", "S(2)", ""};
    for (const TextEncoding encoding : {TextEncoding::Ansi, TextEncoding::Utf8, TextEncoding::Utf16LE,
                                        TextEncoding::Utf16BE, TextEncoding::Utf8Unmarked}) {
        SCOPED_TRACE(EncodingName(encoding));
        ASSERT_FALSE(WriteProgramFile(path, lines, encoding));
        const ProgramFileReading reading = ReadProgramFile(path);
        EXPECT_FALSE(reading.error);
        EXPECT_EQ(reading.encoding, encoding);
        EXPECT_EQ(reading.lines, lines);
    }
}

} // namespace
} // namespace tessivar
