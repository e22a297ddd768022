#include "tests/apps/pentadraw/PentadrawTest.h"

#include "platform/StringGrid.h"
#include "platform/TextFile.h"
#include "tests/support/HttpPeers.h"
#include "tests/support/MenuItems.h"

#include <QAction>

namespace {

const char* kOld = "2 02.01.2000 1 2 3 4 5\r\n1 01.01.2000 6 7 8 9 10\r\n";
const char* kNew = "13 13.03.2013 11 12 13 14 15\r\n\r\n12 09.03.2013\t21 22 23 24 25\n\n"
                   "11 05.03.2013 31 32 33 34 35\r\n";
const char* kSaved = "13 13.03.2013 11 12 13 14 15\r\n12 09.03.2013\t21 22 23 24 25\r\n"
                     "11 05.03.2013 31 32 33 34 35";
const std::string kDone3 = "File 5x36.txt has been updated successfully\r\n\r\nDraws: 3";

class Update : public PentadrawTest {
protected:
    void Serve(const char* download) {
        site.write("5x36.txt", download);
        Start(kOld);
        server = std::make_unique<http_peers::PythonServer>(site.path());
        ASSERT_TRUE(server->ok());
        form->SiteRoot = "http://127.0.0.1:" + std::to_string(server->port());
        dialogs->messages.clear();
    }
    void TearDown() override {
        PentadrawTest::TearDown();
        server.reset();
        raw.reset();
    }

    testing_support::TempDir site;
    std::unique_ptr<http_peers::PythonServer> server;
    std::unique_ptr<http_peers::FakeServer> raw;
};

TEST_F(Update, ThroughAProxyTheRightLoginUpdatesAndAWrongOneTouchesNothing) {
    if (!http_peers::HaveProgram(http_peers::TinyProxy::kProgram))
        GTEST_SKIP() << "tinyproxy is not installed (scripts/deps.sh test installs it)";
    testing_support::TempDir proxyDir;
    http_peers::TinyProxy proxy(proxyDir.path(), "ann", "p4ss");
    ASSERT_TRUE(proxy.ok()) << "tinyproxy could not be started";
    Serve(kNew);
    form->Transfer.proxy = {"127.0.0.1", std::to_string(proxy.port()), "ann", "pass"};
    form->Button_updateClick();
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{"Error"});
    EXPECT_EQ(dir.read("5x36.txt"), kOld);
    EXPECT_FALSE(platform::FileExists(dir.file("5x36.txt.bak")));

    dialogs->messages.clear();
    form->Transfer.proxy.password = "p4ss";
    form->Button_updateClick();
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{kDone3});
    EXPECT_EQ(dir.read("5x36.txt"), kSaved);
    EXPECT_EQ(dir.read("5x36.txt.bak"), kOld);
    EXPECT_EQ(form->DrawCount, 3);
}

TEST_F(Update, ACutOrShrinkingDownloadAsksInTheWindowsLanguageOrIsRefused) {
    Start(kOld);
    // Without a length the body ends with the connection.
    auto serve = [&](const std::string& body) {
        server.reset();
        raw = std::make_unique<http_peers::FakeServer>(
            [body](http_peers::FakeConnection& c) { c.Send("HTTP/1.0 200 OK\r\n\r\n" + body); });
        form->SiteRoot = "http://127.0.0.1:" + std::to_string(raw->port());
    };
    // Cut in a number of the last line: never saved.
    serve("13 13.03.2013 11 12 13 14 15\r\n12 09.03.2013 21 22 23 24 2");
    form->Button_updateClick();
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{"Error"});
    EXPECT_EQ(dir.read("5x36.txt"), kOld);

    // Cut at a line end: one draw where the file holds two. The user is asked in the window's
    // language, and No keeps the file.
    serve("13 13.03.2013 11 12 13 14 15\r\n");
    form->SetRussian();
    dialogs->messages.clear();
    dialogs->yesNo.push_back(false);
    form->Button_updateClick();
    EXPECT_EQ(
        dialogs->questions,
        std::vector<std::string>{"Тиражей в файле 5x36.txt: 2, в загруженном: 1. Заменить файл?"});
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(dir.read("5x36.txt"), kOld);
    EXPECT_FALSE(platform::FileExists(dir.file("5x36.txt.bak")));
    EXPECT_EQ(form->DrawCount, 2);
    raw.reset();
}

// The whole file's length, then the cut body's: one draw where the file holds two.
TEST_F(Update, TwoDifferingLengthsTouchNothing) {
    Start(kOld);
    raw = std::make_unique<http_peers::FakeServer>([](http_peers::FakeConnection& c) {
        c.Send("HTTP/1.0 200 OK\r\nContent-Length: 60\r\nContent-Length: 30\r\n\r\n"
               "13 13.03.2013 11 12 13 14 15\r\n");
    });
    form->SiteRoot = "http://127.0.0.1:" + std::to_string(raw->port());
    form->Button_updateClick();
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{"Error"});
    EXPECT_TRUE(dialogs->questions.empty());
    EXPECT_EQ(dir.read("5x36.txt"), kOld);
}

// A length read by its first digits would take a cut body for the file.
TEST_F(Update, OnlyALengthByTheRuleLetsTheDownloadReplaceTheFile) {
    const std::string body = "13 13.03.2013 11 12 13 14 15\r\n12 09.03.2013 21 22 23 24 25\r\n"
                             "11 05.03.2013 31 32 33 34 35\r\n";
    const std::string n = std::to_string(body.size());
    for (const auto& [header, replaced] : {std::pair{"Content-Length: " + n + " 99", false},
                                           {"Content-Length: \t" + n + " , 0" + n + "\t", true}}) {
        SCOPED_TRACE(header);
        Start(kOld);
        raw = std::make_unique<http_peers::FakeServer>([&](http_peers::FakeConnection& conn) {
            conn.Send("HTTP/1.0 200 OK\r\n" + header + "\r\n\r\n" + body);
        });
        form->SiteRoot = "http://127.0.0.1:" + std::to_string(raw->port());
        dialogs->messages.clear();
        form->Button_updateClick();
        EXPECT_EQ(dialogs->messages, std::vector<std::string>{replaced ? kDone3 : "Error"});
        EXPECT_EQ(dir.read("5x36.txt"), replaced ? body.substr(0, body.size() - 2) : kOld);
        EXPECT_EQ(platform::FileExists(dir.file("5x36.txt.bak")), replaced);
        TearDown();
    }
}

TEST_F(Update, SavesKeepsABackupReloadsAndSaysSoInEnglish) {
    Serve(kNew);
    form->SetRussian();
    ItemAt(form->PopupMenu_File, 1)->trigger();
    // No version check follows: one message only.
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{kDone3});
    EXPECT_EQ(dir.read("5x36.txt"), kSaved);
    EXPECT_EQ(dir.read("5x36.txt.bak"), kOld);
    EXPECT_EQ(form->DrawCount, 3);
    EXPECT_EQ(form->StringGrid1->Cells(0, 2), "12");
    EXPECT_EQ(form->StringGrid1->Cells(1, 2), "09.03.2013");
    EXPECT_TRUE(ItemAt(form->PopupMenu_File, 1)->isEnabled());
}

TEST_F(Update, ADownloadWithALineOfTheOtherEditionTouchesNothing) {
    Serve("13 13.03.2013 11 12 13 14 15\r\n1 2 3 4 5 6\r\n");
    form->Button_updateClick();
    EXPECT_EQ(dialogs->messages, std::vector<std::string>{"Error"});
    EXPECT_EQ(dir.read("5x36.txt"), kOld);
    EXPECT_FALSE(platform::FileExists(dir.file("5x36.txt.bak")));
    EXPECT_EQ(form->DrawCount, 2);
}

} // namespace
