#include "apps/vovuv/Windows.h"
#include "apps/vovuv/main.h"
#include "platform/ProgramFolder.h"
#include "tests/support/HttpPeers.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempDir.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace {

using http_peers::FakeConnection;

const char* kOld = "1 2 3 4 5 6\r\n7 8 9 10 11 12\r\n";
const std::string kDraws = "11 12 13 14 15 16\r\n21 22 23 24 25 26\r\n31 32 33 34 35 36\r\n";

std::string Ok(const std::string& body, bool length = true) {
    return "HTTP/1.0 200 OK\r\n" +
           (length ? "Content-Length: " + std::to_string(body.size()) + "\r\n" : std::string()) +
           "\r\n" + body;
}

bool AskedFor(const FakeConnection& c, const std::string& name) {
    return c.request.rfind("GET /" + name + " ", 0) == 0;
}

// The update against a scripted server; the draw file answers as the script says, the version
// file with the build date.
class HostileSite : public ::testing::Test {
protected:
    void Start(http_peers::FakeServer::Script drawFile) {
        folder.write("6x45.txt", kOld);
        platform::SetProgramFolder(folder.path());
        windows = std::make_unique<VovuvWindows>();
        server = std::make_unique<http_peers::FakeServer>([drawFile](FakeConnection& c) {
            if (AskedFor(c, "6x45.txt")) return drawFile(c);
            c.Send(Ok("17 April 2010"));
        });
        form().SiteRoot = "http://127.0.0.1:" + std::to_string(server->port());
        dialogs->messages.clear();
    }
    void TearDown() override {
        windows.reset();
        server.reset();
        platform::SetProgramFolder("");
    }
    TForm1& form() { return *windows->form1; }
    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder.path()))
            names.insert(e.path().filename().string());
        return names;
    }
    void ExpectUntouched() {
        EXPECT_EQ(folder.read("6x45.txt"), kOld);
        EXPECT_EQ(Files(), std::set<std::string>{"6x45.txt"});
        EXPECT_EQ(form().DrawCount, 2);
        EXPECT_FALSE(form().HttpClient);
        EXPECT_TRUE(form().MainFileItem(1)->isEnabled());
    }

    testing_support::TempDir folder;
    testing_support::ScopedDialogs dialogs;
    std::unique_ptr<VovuvWindows> windows;
    std::unique_ptr<http_peers::FakeServer> server;
};

const std::vector<std::string> kError{"Error"};

TEST_F(HostileSite, OnlyAWholeFileOfDrawLinesReplacesTheDrawFile) {
    std::string garbage = "22 23 24 25 26 27\r\n";
    for (int i = 0; i < 500; ++i) garbage += "garbage line " + std::to_string(i) + "\r\n";
    const std::string chunked = "HTTP/1.0 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" +
                                std::string("13\r\n11 12 13 14 15 16\r\n\r\n0\r\n\r\n");
    const struct {
        const char* what;
        std::string answer;
        bool reset;
    } cases[] = {
        {"html page", Ok("<html><body>\r\n1 2 3 4 5 6\r\n</body></html>\r\n"), false},
        {"headerless html", "<html>\r\n1 2 3 4 5 6\r\n</html>\r\n", false},
        {"mixed lines", Ok(garbage), false},
        {"chunked", chunked, false},
        {"partial content",
         "HTTP/1.0 206 Partial Content\r\nContent-Range: bytes 0-18/57\r\n\r\n" +
             kDraws.substr(0, 19),
         false},
        {"shorter than its length", "HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n" + kDraws,
         false},
        {"longer than its length", "HTTP/1.0 200 OK\r\nContent-Length: 19\r\n\r\n" + kDraws, false},
        {"cut inside a line", Ok(kDraws.substr(0, 45), false), false},
        {"cut by a reset", Ok(kDraws.substr(0, 38), false), true},
        {"server error", "HTTP/1.0 500 Oops\r\n\r\n" + kDraws, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start([&c](FakeConnection& conn) {
            conn.Send(c.answer);
            if (c.reset) conn.Reset();
        });
        form().Update1Click();
        EXPECT_EQ(dialogs->messages, kError);
        ExpectUntouched();
        TearDown();
    }
}

TEST_F(HostileSite, AWholeFileIsSavedAndTheOldOneKeptUnderAFreeName) {
    Start([](FakeConnection& c) { c.Send(Ok(kDraws)); });
    // Any existing name is taken; a temporary file of an earlier crash goes away.
    std::filesystem::create_directory(folder.file("6x45.txt.bak"));
    std::filesystem::create_symlink(folder.file("nowhere"), folder.file("6x45.txt.bak[1]"));
    folder.write("6x45.txt.tmp-Ab12Cd", "half a file");
    form().Update1Click();
    EXPECT_EQ(
        dialogs->messages,
        std::vector<std::string>{"File 6x45.txt has been updated successfully\r\n\r\nDraws: 3"});
    EXPECT_EQ(folder.read("6x45.txt"), kDraws.substr(0, kDraws.size() - 2));
    EXPECT_EQ(folder.read("6x45.txt.bak[2]"), kOld);
    EXPECT_EQ(Files(), (std::set<std::string>{"6x45.txt", "6x45.txt.bak", "6x45.txt.bak[1]",
                                              "6x45.txt.bak[2]"}));
    EXPECT_EQ(form().DrawCount, 3);
}

TEST_F(HostileSite, AnEndlessBodyIsRefusedEarlyWhileTheWindowKeepsRunning) {
    std::atomic<long long> sent{0};
    Start([&sent](FakeConnection& c) {
        const std::string block(65536, '7');
        if (!c.Send("HTTP/1.0 200 OK\r\n\r\n")) return;
        while (sent < (256LL << 20) && c.Send(block)) sent += static_cast<long long>(block.size());
    });
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(0);
    form().Update1Click();
    ticker.stop();
    EXPECT_EQ(dialogs->messages, kError);
    ExpectUntouched();
    // Refused at the limit, not at the end; and the window's events ran between the reads.
    EXPECT_LT(sent.load(), 64LL << 20);
    EXPECT_GT(ticks, 20);
}

TEST_F(HostileSite, TheTimeLimitEndsATransferThatNeverEnds) {
    Start([](FakeConnection& c) {
        if (!c.Send("HTTP/1.0 200 OK\r\n\r\n1")) return;
        for (int i = 0; i < 400; ++i) {
            FakeConnection::Pause(50);
            if (!c.Send(" ")) return;
        }
    });
    form().Transfer.timeoutMs = 1000;
    const auto start = std::chrono::steady_clock::now();
    form().Update1Click();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(dialogs->messages, kError);
    ExpectUntouched();
}

TEST_F(HostileSite, ClosingTheWindowEndsTheTransferAndNothingFollows) {
    Start([](FakeConnection& c) {
        if (!c.Send("HTTP/1.0 200 OK\r\n\r\n" + kDraws)) return;
        for (int i = 0; i < 100; ++i) {
            FakeConnection::Pause(50);
            if (!c.Send("41 42 43 44 45 1\r\n")) return;
        }
    });
    QTimer::singleShot(300, &form(), [&] { form().close(); });
    const auto start = std::chrono::steady_clock::now();
    form().Update1Click();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(folder.read("6x45.txt"), kOld);
    EXPECT_FALSE(std::filesystem::exists(folder.file("6x45.txt.bak")));
    EXPECT_EQ(form().DrawCount, 2);
    // A later attempt starts nothing.
    form().Update1Click();
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(HostileSite, AVersionFileThatIsNoDateGivesNoMessage) {
    for (const std::string& version :
         {std::string(10 << 20, '7'), std::string("<!DOCTYPE html>\r\n<html>moved</html>")}) {
        folder.write("6x45.txt", kOld);
        platform::SetProgramFolder(folder.path());
        windows = std::make_unique<VovuvWindows>();
        server = std::make_unique<http_peers::FakeServer>([version](FakeConnection& c) {
            c.Send(Ok(AskedFor(c, "6x45.txt") ? kDraws : version, false));
        });
        form().SiteRoot = "http://127.0.0.1:" + std::to_string(server->port());
        dialogs->messages.clear();
        form().Update1Click();
        EXPECT_EQ(dialogs->messages,
                  std::vector<std::string>{
                      "File 6x45.txt has been updated successfully\r\n\r\nDraws: 3"});
        TearDown();
        std::filesystem::remove_all(folder.path());
        std::filesystem::create_directory(folder.path());
    }
}

} // namespace
