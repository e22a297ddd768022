#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "platform/ProgramFolder.h"
#include "platform/StringGrid.h"
#include "platform/TextFile.h"
#include "tests/support/HttpPeers.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"
#include "tests/support/MenuItems.h"

#include <QAction>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const char* kOld = "1 2 3 4 5 6\r\n7 8 9 10 11 12\r\n";
const char* kNew = "11 12 13 14 15 16\r\n\r\n21 22 23 24 25 26\n\n31 32 33 34 35 36\r\n";
const char* kSaved = "11 12 13 14 15 16\r\n21 22 23 24 25 26\r\n31 32 33 34 35 36";

class Update : public ::testing::Test {
protected:
    void Start(const char* drawFile, const char* download, const char* version) {
        if (drawFile) folder.write("6x45.txt", drawFile);
        if (download) site.write("6x45.txt", download);
        if (version) site.write("6x45_version.txt", version);
        platform::SetProgramFolder(folder.path());
        windows = std::make_unique<VovuvWindows>();
        server = std::make_unique<http_peers::PythonServer>(site.path());
        ASSERT_TRUE(server->ok());
        form().SiteRoot = "http://127.0.0.1:" + std::to_string(server->port());
        dialogs->messages.clear();
    }
    void TearDown() override {
        windows.reset();
        server.reset();
        platform::SetProgramFolder("");
    }
    TForm1& form() { return *windows->form1; }
    bool Exists(const std::string& name) { return platform::FileExists(folder.file(name)); }

    testing_support::TempDir folder, site;
    testing_support::ScopedDialogs dialogs;
    std::unique_ptr<VovuvWindows> windows;
    std::unique_ptr<http_peers::PythonServer> server;
};

const std::string kDone3 = "File 6x45.txt has been updated successfully\r\n\r\nDraws: 3";

TEST_F(Update, SavesTheDrawLinesKeepsABackupAndReloads) {
    Start(kOld, kNew, "17 April 2010\r\n");
    form().Update1Click();
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{kDone3});
    EXPECT_EQ(folder.read("6x45.txt"), kSaved);
    EXPECT_EQ(folder.read("6x45.txt.bak"), kOld);
    EXPECT_EQ(form().DrawCount, 3);
    EXPECT_EQ(form().StringGrid1->RowCount(), 4);
    EXPECT_TRUE(ItemAt(form().MenuFile, 1)->isEnabled());
    EXPECT_TRUE(ItemAt(form().PopupMenu_File, 1)->isEnabled());
    EXPECT_FALSE(form().HttpClient);
}

TEST_F(Update, BackupNamesTakeTheFirstFreeNumber) {
    Start(kOld, kNew, "17 April 2010");
    folder.write("6x45.txt.bak", "b0");
    form().Update1Click();
    EXPECT_EQ(folder.read("6x45.txt.bak[1]"), kOld);
    EXPECT_EQ(folder.read("6x45.txt.bak"), "b0");
    folder.write("6x45.txt.bak[2]", "b2");
    folder.write("6x45.txt", "2 3 4 5 6 7");
    form().Update1Click();
    EXPECT_EQ(folder.read("6x45.txt.bak[3]"), "2 3 4 5 6 7");
    EXPECT_EQ(folder.read("6x45.txt.bak[1]"), kOld);
    EXPECT_EQ(folder.read("6x45.txt.bak[2]"), "b2");
}

TEST_F(Update, WithoutADrawFileNoBackupIsMade) {
    Start(nullptr, kNew, "17 April 2010");
    form().Update1Click();
    EXPECT_EQ(folder.read("6x45.txt"), kSaved);
    EXPECT_FALSE(Exists("6x45.txt.bak"));
    EXPECT_EQ(form().DrawCount, 3);
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{kDone3});
}

TEST_F(Update, RussianMessage) {
    Start(kOld, kNew, "17 April 2010");
    form().SetRussian();
    dialogs->messages.clear();
    form().Update1Click();
    EXPECT_EQ(
        dialogs->messages,
        std::vector<std::string>{"Файл с данными 6x45.txt был успешно обновлён\r\n\r\nТиражей: 3"});
}

TEST_F(Update, VersionMessageWhenTheFirstLineDiffers) {
    Start(kOld, kNew, "17 April 2010 \r\nnext");
    form().Update1Click();
    ASSERT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(dialogs->messages[1],
              "Your Version:  17 April 2010\r\n\r\nLatest Version:17 April 2010 \r\n\r\n"
              "Please, update this program");
}

TEST_F(Update, MissingVersionFileIsAnError) {
    Start(kOld, kNew, nullptr);
    form().Update1Click();
    EXPECT_EQ(dialogs->messages, (std::vector<std::string>{kDone3, "Error"}));
}

TEST_F(Update, MissingDrawFileOnTheSiteTouchesNothing) {
    Start(kOld, nullptr, "1 May 2011");
    form().Update1Click();
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{"Error"});
    EXPECT_EQ(folder.read("6x45.txt"), kOld);
    EXPECT_FALSE(Exists("6x45.txt.bak"));
    EXPECT_EQ(form().DrawCount, 2);
}

TEST_F(Update, ADownloadWithoutDrawsTouchesNothing) {
    Start(kOld, "<html>maintenance</html>\r\n\r\n", "1 May 2011");
    form().Update1Click();
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{"Error"});
    EXPECT_EQ(folder.read("6x45.txt"), kOld);
    EXPECT_FALSE(Exists("6x45.txt.bak"));
}

TEST_F(Update, NothingListeningGivesOneError) {
    Start(kOld, kNew, "1 May 2011");
    form().SiteRoot = "http://127.0.0.1:" + std::to_string(http_peers::FreePort());
    form().Update1Click();
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{"Error"});
    EXPECT_EQ(folder.read("6x45.txt"), kOld);
    EXPECT_EQ(form().DrawCount, 2);
    EXPECT_EQ(form().StringGrid1->RowCount(), 3);
}

TEST_F(Update, WhenNoBackupNameIsFreeTheFileStays) {
    Start(kOld, kNew, "17 April 2010");
    folder.write("6x45.txt.bak", "");
    for (int n = 1; n <= 9999; ++n) folder.write("6x45.txt.bak[" + std::to_string(n) + "]", "");
    form().Update1Click();
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_NE(dialogs->messages[0].find("not updated"), std::string::npos);
    EXPECT_EQ(folder.read("6x45.txt"), kOld);
    EXPECT_EQ(form().DrawCount, 2);
}

TEST_F(Update, ThroughAProxyTheRightLoginUpdatesAndAWrongOneTouchesNothing) {
    if (!http_peers::HaveProgram(http_peers::TinyProxy::kProgram))
        GTEST_SKIP() << "tinyproxy is not installed (scripts/deps.sh test installs it)";
    testing_support::TempDir proxyDir;
    http_peers::TinyProxy proxy(proxyDir.path(), "joe", "secret");
    ASSERT_TRUE(proxy.ok()) << "tinyproxy could not be started";
    Start(kOld, kNew, "17 April 2010");
    form().Transfer.proxy = {"127.0.0.1", std::to_string(proxy.port()), "joe", "wrong"};
    form().Update1Click();
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{"Error"});
    EXPECT_EQ(folder.read("6x45.txt"), kOld);
    EXPECT_FALSE(Exists("6x45.txt.bak"));
    EXPECT_EQ(form().DrawCount, 2);

    dialogs->messages.clear();
    form().Transfer.proxy.password = "secret";
    form().Update1Click();
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{kDone3});
    EXPECT_EQ(folder.read("6x45.txt"), kSaved);
    EXPECT_EQ(folder.read("6x45.txt.bak"), kOld);
    EXPECT_EQ(form().DrawCount, 3);
}

TEST_F(Update, ASecondUpdateDuringTheTransferIsRefused) {
    Start(kOld, kNew, "17 April 2010");
    bool sawDisabled = false;
    int nested = 0;
    // Runs while the first transfer pumps events.
    QTimer::singleShot(0, &form(), [&] {
        sawDisabled = !ItemAt(form().MenuFile, 1)->isEnabled() &&
                      !ItemAt(form().PopupMenu_File, 1)->isEnabled();
        ++nested;
        form().Update1Click();
        ItemAt(form().PopupMenu_File, 1)->trigger();
    });
    form().Update1Click();
    EXPECT_EQ(nested, 1);
    EXPECT_TRUE(sawDisabled);
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{kDone3});
    EXPECT_FALSE(Exists("6x45.txt.bak[1]"));
}

} // namespace
