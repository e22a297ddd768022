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

TEST_F(FileChecks, OpenAndBinaryOpenRefuseAFifoADeviceAndAHugeFileWithAMessage) {
    Start(kTwoDraws);
    ASSERT_EQ(::mkfifo(dir.file("pipe.txt").c_str(), 0600), 0);
    ASSERT_EQ(::mkfifo(dir.file("pipe.dat").c_str(), 0600), 0);
    Sparse(dir.file("huge.txt"), 6ULL << 30);
    Sparse(dir.file("draws.dat"), 30 << 20);
    const auto notRegular = [](const std::string& path) {
        return "\"" + path + "\" is not a regular file; it was not read";
    };
    const struct {
        std::string path;
        bool binary, russian;
        std::string message;
    } cases[] = {
        {dir.file("pipe.txt"), false, false, notRegular(dir.file("pipe.txt"))},
        {"/dev/zero", false, false, notRegular("/dev/zero")},
        {dir.path(), false, false, notRegular(dir.path())},
        {dir.file("huge.txt"), false, false,
         "The file \"" + dir.file("huge.txt") +
             "\" is too large (more than 16777216 bytes); it was not read"},
        {dir.file("huge.txt"), false, true,
         "Файл \"" + dir.file("huge.txt") +
             "\" слишком велик (больше 16777216 байт); он не прочитан"},
        {dir.file("draws.dat"), true, false,
         "The file \"" + dir.file("draws.dat") +
             "\" is too large (more than 262144 bytes); it was not read"},
        {dir.file("pipe.dat"), true, false, notRegular(dir.file("pipe.dat"))},
    };
    for (const auto& c : cases) {
        c.russian ? form->SetRussian() : form->SetEnglish();
        dialogs->messages.clear();
        dialogs->files.push_back(c.path);
        if (c.binary)
            windows->utils->Button_Open_binary_file->click();
        else
            form->Open1Click();
        EXPECT_EQ(dialogs->messages, std::vector<std::string>{c.message});
        EXPECT_TRUE(dialogs->modals.empty()) << c.path;
        EXPECT_EQ(form->DrawCount, 2) << c.path;
    }
}

TEST_F(FileChecks, SettingsGeometryStaysOnTheScreen) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    for (const char* lines : {"0\r\n100000\r\n100000\r\n0\r\n0\r\n",
                              "0\r\n2147483647\r\n2147483647\r\n2147483647\r\n2147483647\r\n",
                              "0\r\n1\r\n1\r\n-2147483648\r\n-2147483648\r\n"}) {
        dir.write("settings_6x45.ini", lines);
        Start();
        const QRect g(form->Left(), form->Top(), form->Width(), form->Height());
        EXPECT_TRUE(area.contains(g)) << lines;
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
