#include "apps/shared/Unit_utils.h"
#include "components/skin/xpButton.h"
#include "core/SettingsFile.h"
#include "tests/apps/vovuv/VovuvTest.h"

#include <QGuiApplication>
#include <QScreen>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using FileChecks = VovuvTest;

const char* kTwoDraws = "1 2 3 4 5 6\r\n7 8 9 10 11 12\r\n";

void Sparse(const std::string& path, std::uintmax_t size) {
    { std::ofstream(path, std::ios::binary); }
    std::filesystem::resize_file(path, size);
}

TEST_F(FileChecks, OpenRefusesAFifoADeviceAndAHugeFileWithAMessage) {
    Start(kTwoDraws);
    ASSERT_EQ(::mkfifo(dir.file("pipe.txt").c_str(), 0600), 0);
    Sparse(dir.file("huge.txt"), 6ULL << 30);
    const struct {
        std::string path;
        std::string message;
    } cases[] = {
        {dir.file("pipe.txt"),
         "\"" + dir.file("pipe.txt") + "\" is not a regular file; it was not read"},
        {"/dev/zero", "\"/dev/zero\" is not a regular file; it was not read"},
        {dir.path(), "\"" + dir.path() + "\" is not a regular file; it was not read"},
        {dir.file("huge.txt"), "The file \"" + dir.file("huge.txt") +
                                   "\" is too large (more than 16777216 bytes); it was not read"},
    };
    for (const auto& c : cases) {
        dialogs->messages.clear();
        dialogs->files.push_back(c.path);
        form->Open1Click();
        EXPECT_EQ(dialogs->messages, std::vector<std::string>{c.message});
        EXPECT_EQ(form->DrawCount, 2);
    }
    form->RussianUI = true;
    dialogs->messages.clear();
    dialogs->files.push_back(dir.file("huge.txt"));
    form->Open1Click();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].rfind("Файл \"", 0), 0u);
}

TEST_F(FileChecks, ABinaryDrawFileOfImplausibleSizeIsRefused) {
    Start(kTwoDraws);
    Sparse(dir.file("draws.dat"), 30 << 20);
    dialogs->files.push_back(dir.file("draws.dat"));
    windows->utils->Button_Open_binary_file->click();
    EXPECT_TRUE(dialogs->modals.empty());
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{
                                     "The file \"" + dir.file("draws.dat") +
                                     "\" is too large (more than 262144 bytes); it was not read"});
    ASSERT_EQ(::mkfifo(dir.file("pipe.dat").c_str(), 0600), 0);
    dialogs->files.push_back(dir.file("pipe.dat"));
    windows->utils->Button_Open_binary_file->click();
    EXPECT_TRUE(dialogs->modals.empty());
    EXPECT_EQ(dialogs->messages.size(), 2u);
}

TEST_F(FileChecks, SettingsGeometryStaysOnTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char* lines;
    } cases[] = {
        {"0\r\n100000\r\n100000\r\n0\r\n0\r\n"},
        {"0\r\n2147483647\r\n2147483647\r\n2147483647\r\n2147483647\r\n"},
        {"0\r\n1\r\n1\r\n-2147483648\r\n-2147483648\r\n"},
    };
    for (const auto& c : cases) {
        dir.write("settings_6x45.ini", c.lines);
        Start();
        const QRect g(form->Left(), form->Top(), form->Width(), form->Height());
        EXPECT_TRUE(area.contains(g)) << c.lines;
        EXPECT_GE(form->Width(), core::MinWindowWidth);
        EXPECT_GE(form->Height(), core::MinWindowHeight);
        TearDown();
    }
}

TEST_F(FileChecks, SettingsAreNeverWrittenThroughAPlantedLink) {
    Start();
    // Links at every name the writer might once have used.
    const std::string target = dir.file("stolen");
    { std::ofstream(target) << ""; }
    for (const std::string& name : {"settings_6x45.ini.tmp" + std::to_string(::getpid()),
                                    std::string("settings_6x45.ini.tmp")})
        std::filesystem::create_symlink(target, dir.file(name));
    form->UserPassword = "secret";
    form->WriteSettings();
    EXPECT_EQ(dir.read("stolen"), "");
    EXPECT_NE(dir.read("settings_6x45.ini").find("secret"), std::string::npos);
    struct stat st {};
    ASSERT_EQ(::lstat(dir.file("settings_6x45.ini").c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

} // namespace
