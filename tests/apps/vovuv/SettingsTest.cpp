#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "components/skin/xpButton.h"
#include "platform/ProgramFolder.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/support/MenuItems.h"

#include <gtest/gtest.h>

#include <QAction>

#include <filesystem>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {

const char* const kFile = "settings_6x45.ini";

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { platform::SetProgramFolder(dir.path()); }
    void TearDown() override {
        windows.reset();
        platform::SetProgramFolder("");
    }

    TForm1& Start(const std::optional<std::string>& settings = std::nullopt) {
        windows.reset();
        if (settings) dir.write(kFile, *settings);
        windows = std::make_unique<VovuvWindows>();
        return *windows->form1;
    }

    static int DefaultHeight() { return platform::TForm::ScreenHeight() - 20; }
    static int DefaultLeft() { return platform::TForm::ScreenWidth() / 2 - 662 / 2; }

    testing_support::ScopedDialogs dialogs;
    testing_support::TempDir dir;
    std::unique_ptr<VovuvWindows> windows;
};

TEST_F(SettingsTest, WithoutAFileTheWindowStandsAtTheTopCentredInEnglish) {
    TForm1& f = Start();
    EXPECT_EQ(f.Top(), 0);
    EXPECT_EQ(f.Height(), DefaultHeight());
    EXPECT_EQ(f.Width(), 662);
    EXPECT_EQ(f.Left(), DefaultLeft());
    EXPECT_FALSE(f.IsMaximized());
    EXPECT_EQ(f.Language(), core::Lang::English);
    EXPECT_FALSE(ItemAt(f.MenuFile, 2)->isChecked());
    EXPECT_EQ(f.Caption(), "Vovuv 6x45");
    EXPECT_EQ(f.UserLogin, "");
    EXPECT_EQ(f.UserPassword, "");
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file(kFile)));
}

TEST_F(SettingsTest, EightLinesRestoreEverything) {
    TForm1& f = Start("0\r\n640\r\n480\r\n20\r\n30\r\n1\r\nuser\r\nsecret\r\n");
    EXPECT_EQ(f.Width(), 640);
    EXPECT_EQ(f.Height(), 480);
    EXPECT_EQ(f.Left(), 20);
    EXPECT_EQ(f.Top(), 30);
    EXPECT_FALSE(f.IsMaximized());
    EXPECT_EQ(f.Language(), core::Lang::Russian);
    EXPECT_TRUE(ItemAt(f.MenuFile, 2)->isChecked());
    EXPECT_EQ(f.Caption(), "Vintara 6x45");
    EXPECT_EQ(f.UserLogin, "user");
    EXPECT_EQ(f.UserPassword, "secret");
}

TEST_F(SettingsTest, MaximisedIgnoresLinesTwoToFive) {
    TForm1& f = Start("2\r\n100\r\n200\r\n300\r\n400\r\n1\r\nme\r\npw\r\n");
    EXPECT_TRUE(f.IsMaximized());
    // The normal geometry is the default one, not the file's.
    const QRect normal = f.normalGeometry().isValid() ? f.normalGeometry() : f.geometry();
    EXPECT_NE(normal.width(), 100);
    EXPECT_NE(normal.height(), 200);
    EXPECT_NE(normal.x(), 300);
    EXPECT_NE(normal.y(), 400);
    EXPECT_EQ(f.Language(), core::Lang::Russian);
    EXPECT_EQ(f.UserLogin, "me");
    EXPECT_EQ(f.UserPassword, "pw");
}

TEST_F(SettingsTest, SixLinesWithRussianLeaveLoginAndPasswordEmpty) {
    TForm1& f = Start("0\r\n662\r\n500\r\n10\r\n0\r\n1\r\n");
    EXPECT_EQ(f.Language(), core::Lang::Russian);
    EXPECT_EQ(f.Button_stat->Caption(), "Статистика");
    EXPECT_EQ(f.UserLogin, "");
    EXPECT_EQ(f.UserPassword, "");
}

TEST_F(SettingsTest, ANonNumberInLineThreeStopsAfterTheWidth) {
    TForm1& f = Start("0\r\n500\r\nabc\r\n1\r\n2\r\n1\r\nme\r\npw\r\n");
    EXPECT_EQ(f.Width(), 500);
    EXPECT_EQ(f.Height(), DefaultHeight());
    EXPECT_EQ(f.Top(), 0);
    EXPECT_EQ(f.Language(), core::Lang::English);
    EXPECT_FALSE(ItemAt(f.MenuFile, 2)->isChecked());
    // Neither language routine ran: the stored captions stay.
    EXPECT_EQ(f.Button_final_sum_of_numbers->Caption(), "Final sum");
    EXPECT_EQ(f.UserLogin, "");
    EXPECT_EQ(f.UserPassword, "");
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(SettingsTest, LanguageZeroRunsTheEnglishRoutine) {
    TForm1& f = Start("0\r\n662\r\n500\r\n10\r\n0\r\n0\r\n");
    EXPECT_EQ(f.Language(), core::Lang::English);
    EXPECT_EQ(f.Button_final_sum_of_numbers->Caption(), "Final sums");
}

TEST_F(SettingsTest, OnlyTheLowEightBitsOfTheLanguageCount) {
    TForm1& f = Start("0\r\n662\r\n500\r\n10\r\n0\r\n256\r\n");
    EXPECT_EQ(f.Language(), core::Lang::English);
    EXPECT_FALSE(ItemAt(f.MenuFile, 2)->isChecked());
}

TEST_F(SettingsTest, WindowStates) {
    struct Case {
        const char* line1;
        bool maximized, minimized;
    };
    const Case cases[] = {{"0", false, false}, {"1", false, true},   {"2", true, false},
                          {"3", false, false}, {"-1", false, false}, {"7", false, false}};
    for (const auto& c : cases) {
        TForm1& f = Start(std::string(c.line1) + "\r\n600\r\n400\r\n5\r\n6\r\n");
        SCOPED_TRACE(c.line1);
        EXPECT_EQ(f.IsMaximized(), c.maximized);
        EXPECT_EQ(f.isMinimized(), c.minimized);
        if (!c.maximized) {
            EXPECT_EQ(f.Width(), 600);
        }
        // A hidden minimised window may already have its frame, which moves the reported top.
        if (!c.maximized && !c.minimized) {
            EXPECT_EQ(f.Top(), 6);
        }
    }
}

TEST_F(SettingsTest, UnreadableFirstLineOrEmptyFileChangeNothing) {
    for (const char* text : {"", "normal\r\n600\r\n", "\r\n1\r\n"}) {
        TForm1& f = Start(std::string(text));
        SCOPED_TRACE(text);
        EXPECT_FALSE(f.IsMaximized());
        EXPECT_EQ(f.Height(), DefaultHeight());
        EXPECT_EQ(f.Language(), core::Lang::English);
    }
}

TEST_F(SettingsTest, LineEndsOfEveryKindAndNoFinalOne) {
    TForm1& f = Start("0\n640\r480\n20\r\n30\n1\nuser\npw");
    EXPECT_EQ(f.Width(), 640);
    EXPECT_EQ(f.Height(), 480);
    EXPECT_EQ(f.Top(), 30);
    EXPECT_EQ(f.Language(), core::Lang::Russian);
    EXPECT_EQ(f.UserPassword, "pw");
}

TEST_F(SettingsTest, LoginAndPasswordAreReadInCodePage1251) {
    TForm1& f = Start(
        "0\r\n662\r\n500\r\n10\r\n0\r\n0\r\n\xC8\xE2\xE0\xED\r\n\xEF\xE0\xF0\xEE\xEB\xFC\r\n");
    EXPECT_EQ(f.UserLogin, "Иван");
    EXPECT_EQ(f.UserPassword, "пароль");
}

TEST_F(SettingsTest, ClosingWritesEightLinesReadableByTheOwnerOnly) {
    TForm1& f = Start();
    f.SetBounds(40, 50, 700, 520);
    f.ToggleLanguage();
    f.UserLogin = "Иван";
    f.UserPassword = "p@ss word";
    f.close();
    ASSERT_TRUE(std::filesystem::exists(dir.file(kFile)));
    EXPECT_EQ(dir.read(kFile),
              "0\r\n700\r\n520\r\n40\r\n50\r\n1\r\n\xC8\xE2\xE0\xED\r\np@ss word\r\n");
    struct stat st {};
    ASSERT_EQ(::stat(dir.file(kFile).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // Nothing is left beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir.path())) {
        ++files;
        EXPECT_EQ(e.path().filename(), kFile);
    }
    EXPECT_EQ(files, 1);
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(SettingsTest, WritingReplacesAWiderOpenFileWithAPrivateOne) {
    dir.write(kFile,
              "garbage that is much longer than the settings will be ....................\r\n");
    ::chmod(dir.file(kFile).c_str(), 0644);
    TForm1& f = Start();
    f.WriteSettings();
    const std::string text = dir.read(kFile);
    EXPECT_EQ(text.substr(0, 3), "0\r\n");
    EXPECT_EQ(text.find("garbage"), std::string::npos);
    struct stat st {};
    ASSERT_EQ(::stat(dir.file(kFile).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(SettingsTest, ARoundTripRestoresTheWindowTheLanguageAndTheLogin) {
    {
        TForm1& f = Start();
        f.SetBounds(33, 44, 640, 480);
        f.ToggleLanguage();
        f.UserLogin = "Пётр Ё";
        f.UserPassword = " secret, with blanks ";
        f.WriteSettings();
    }
    TForm1& g = Start();
    EXPECT_EQ(g.Left(), 33);
    EXPECT_EQ(g.Top(), 44);
    EXPECT_EQ(g.Width(), 640);
    EXPECT_EQ(g.Height(), 480);
    EXPECT_EQ(g.Language(), core::Lang::Russian);
    EXPECT_TRUE(ItemAt(g.MenuFile, 2)->isChecked());
    EXPECT_EQ(g.UserLogin, "Пётр Ё");
    EXPECT_EQ(g.UserPassword, " secret, with blanks ");

    // And back to English with an empty password.
    g.ToggleLanguage();
    g.UserPassword.clear();
    g.WriteSettings();
    TForm1& h = Start();
    EXPECT_EQ(h.Language(), core::Lang::English);
    EXPECT_EQ(h.UserLogin, "Пётр Ё");
    EXPECT_EQ(h.UserPassword, "");
}

TEST_F(SettingsTest, AMaximisedWindowIsWrittenAsTwoWithItsGeometry) {
    TForm1& f = Start();
    f.setWindowState(Qt::WindowMaximized);
    f.WriteSettings();
    const std::string text = dir.read(kFile);
    EXPECT_EQ(text.substr(0, 3), "2\r\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 8);
}

TEST_F(SettingsTest, AFailedWriteIsReportedAndLeavesNoFile) {
    TForm1& f = Start();
    platform::SetProgramFolder(dir.file("missing"));
    f.WriteSettings();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_NE(dialogs->messages[0].find(kFile), std::string::npos);
    platform::SetProgramFolder(dir.path());
    EXPECT_FALSE(std::filesystem::exists(dir.file(kFile)));
}

} // namespace
