#include "tests/apps/vovuv/VovuvTest.h"
#include "tests/support/HttpPeers.h"
#include "tests/support/MenuItems.h"

#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <set>

namespace {

using http_peers::FakeConnection;
using Script = http_peers::FakeServer::Script;

const char* kOld = "1 2 3 4 5 6\r\n7 8 9 10 11 12\r\n";
const std::string kDraws = "11 12 13 14 15 16\r\n21 22 23 24 25 26\r\n31 32 33 34 35 36\r\n";
const std::vector<std::string> kError{"Error"};

// Without a length: the body ends with the connection.
std::string Ok(const std::string& body) {
    return "HTTP/1.0 200 OK\r\n\r\n" + body;
}

Script Answer(const std::string& bytes, bool reset = false) {
    return [bytes, reset](FakeConnection& c) {
        c.Send(bytes);
        if (reset) c.Reset();
    };
}

// The update against a scripted server: the draw file answers as the script says, the version
// file with the answer given.
class HostileSite : public VovuvTest {
protected:
    void Start(Script drawFile, const std::string& version = Ok("17 April 2010\r\n"),
               const std::string& old = kOld) {
        VovuvTest::Start(old);
        server = std::make_unique<http_peers::FakeServer>([drawFile, version](FakeConnection& c) {
            if (c.request.rfind("GET /6x45.txt ", 0) == 0) return drawFile(c);
            c.Send(version);
        });
        form->SiteRoot = "http://127.0.0.1:" + std::to_string(server->port());
        dialogs->messages.clear();
    }
    // Also empties the folder, so that a test may start again.
    void TearDown() override {
        VovuvTest::TearDown();
        server.reset();
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            std::filesystem::remove_all(e.path());
    }
    std::set<std::string> Files() const {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(dir.path()))
            names.insert(e.path().filename().string());
        return names;
    }

    std::unique_ptr<http_peers::FakeServer> server;
};

TEST_F(HostileSite, OnlyAWholeFileOfDrawLinesReplacesTheDrawFile) {
    std::atomic<long long> sent{0};
    const struct {
        const char* what;
        Script answer;
        int timeoutMs = 0; // 0: the program's own
        int minTicks = 0;  // the window's events must run between the reads
    } cases[] = {
        {"headerless html", Answer("<html>\r\n1 2 3 4 5 6\r\n</html>\r\n")},
        {"chunked", Answer("HTTP/1.0 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                           "13\r\n11 12 13 14 15 16\r\n\r\n0\r\n\r\n")},
        {"partial content",
         Answer("HTTP/1.0 206 Partial Content\r\nContent-Range: bytes 0-18/57\r\n\r\n" +
                kDraws.substr(0, 19))},
        {"shorter than its length",
         Answer("HTTP/1.0 200 OK\r\nContent-Length: 1000\r\n\r\n" + kDraws)},
        {"longer than its length",
         Answer("HTTP/1.0 200 OK\r\nContent-Length: 19\r\n\r\n" + kDraws)},
        // The whole file's length, then the length of the cut body that follows.
        {"two lengths",
         Answer("HTTP/1.0 200 OK\r\nContent-Length: 57\r\nContent-Length: 19\r\n\r\n" +
                kDraws.substr(0, 19))},
        {"cut inside a line", Answer(Ok(kDraws.substr(0, 45)))},
        // "31 32 33 34 35 3": six numbers still, but no line end says the body is all there.
        {"cut inside a number", Answer(Ok(kDraws.substr(0, 54)))},
        {"relocated by a location with a bare CR",
         Answer("HTTP/1.0 302 Found\r\nLocation: /6x45.txt\rX-Injected: 1\r\n\r\n")},
        {"cut by a reset", Answer(Ok(kDraws.substr(0, 38)), true)},
        {"server error", Answer("HTTP/1.0 500 Oops\r\n\r\n" + kDraws)},
        {"endless body",
         [&sent](FakeConnection& c) {
             const std::string block(65536, '7');
             if (!c.Send("HTTP/1.0 200 OK\r\n\r\n")) return;
             while (sent < (256LL << 20) && c.Send(block))
                 sent += static_cast<long long>(block.size());
         },
         0, 20},
        {"trickling forever",
         [](FakeConnection& c) {
             if (!c.Send("HTTP/1.0 200 OK\r\n\r\n1")) return;
             for (int i = 0; i < 400; ++i) {
                 FakeConnection::Pause(50);
                 if (!c.Send(" ")) return;
             }
         },
         1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(c.answer);
        if (c.timeoutMs) form->Transfer.timeoutMs = c.timeoutMs;
        int ticks = 0;
        QTimer ticker;
        QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
        ticker.start(0);
        const auto start = std::chrono::steady_clock::now();
        form->Update1Click();
        ticker.stop();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
        EXPECT_GE(ticks, c.minTicks);
        EXPECT_EQ(dialogs->messages, kError);
        EXPECT_EQ(dir.read("6x45.txt"), kOld);
        EXPECT_EQ(Files(), std::set<std::string>{"6x45.txt"});
        EXPECT_EQ(form->DrawCount, 2);
        EXPECT_FALSE(form->HttpClient);
        EXPECT_TRUE(ItemAt(form->MenuFile, 1)->isEnabled());
        EXPECT_TRUE(dialogs->questions.empty());
        for (const std::string& request : server->requests())
            EXPECT_EQ(request.find("Injected"), std::string::npos) << request;
        TearDown();
    }
    // The endless body was refused at the limit, not at its end.
    EXPECT_LT(sent.load(), 64LL << 20);
}

// The body is the file cut after its second line (38 of 57 bytes), so a length read loosely
// would take it as complete; only a header that delimits it by the rule may replace the file.
TEST_F(HostileSite, OnlyAHeaderThatDelimitsTheBodyLetsItReplaceTheDrawFile) {
    const std::string cut = kDraws.substr(0, 38);
    const std::string one = "1 2 3 4 5 6\r\n"; // one draw on disk: no shrink question
    const struct {
        const char* header;
        bool replaced;
    } cases[] = {
        {"Content-Length: 38 57", false},
        {"Content-Length: 38\r\n , 57", false},
        {"Content-Length : 57\r\nContent-Length: 38", false},
        {" Content-Length: 38", false},
        {"Content-Length: 38", true},
        {"CONTENT-LENGTH:  38\t", true},
        {"Content-Length: 38, 38", true},
        {"Content-Length: 038", true},
        {"Content-Length:\r\n\t38", true},
        {"Content-Length: 38\r\nContent-Length: 38", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        Start(Answer("HTTP/1.0 200 OK\r\n" + std::string(c.header) + "\r\n\r\n" + cut),
              Ok("17 April 2010\r\n"), one);
        form->Update1Click();
        if (c.replaced) {
            EXPECT_EQ(dialogs->messages,
                      std::vector<std::string>{
                          "File 6x45.txt has been updated successfully\r\n\r\nDraws: 2"});
            EXPECT_EQ(dir.read("6x45.txt"), cut.substr(0, cut.size() - 2));
            EXPECT_EQ(dir.read("6x45.txt.bak"), one);
        } else {
            EXPECT_EQ(dialogs->messages, kError);
            EXPECT_EQ(dir.read("6x45.txt"), one);
            EXPECT_EQ(Files(), std::set<std::string>{"6x45.txt"});
        }
        EXPECT_TRUE(dialogs->questions.empty());
        TearDown();
    }
}

TEST_F(HostileSite, AWholeFileIsSavedAndTheOldOneKeptUnderAFreeName) {
    // A version file that is no date (and too big) gives no message.
    Start(Answer(Ok(kDraws)), Ok(std::string(10 << 20, '7')));
    // Any existing name is taken; a temporary file of an earlier crash goes away.
    std::filesystem::create_directory(dir.file("6x45.txt.bak"));
    std::filesystem::create_symlink(dir.file("nowhere"), dir.file("6x45.txt.bak[1]"));
    dir.write("6x45.txt.tmp-Ab12Cd", "half a file");
    form->Update1Click();
    EXPECT_EQ(
        dialogs->messages,
        std::vector<std::string>{"File 6x45.txt has been updated successfully\r\n\r\nDraws: 3"});
    EXPECT_EQ(dir.read("6x45.txt"), kDraws.substr(0, kDraws.size() - 2));
    EXPECT_EQ(dir.read("6x45.txt.bak[2]"), kOld);
    EXPECT_EQ(Files(), (std::set<std::string>{"6x45.txt", "6x45.txt.bak", "6x45.txt.bak[1]",
                                              "6x45.txt.bak[2]"}));
    EXPECT_EQ(form->DrawCount, 3);
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("6x45.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(HostileSite, ADownloadOfFewerDrawsReplacesTheFileOnlyWhenTheUserSaysYes) {
    // Cut at a line end: whole by its look, but one draw where the file holds two.
    const std::string cut = kDraws.substr(0, 19);
    const struct {
        bool russian;
        bool yes;
        const char* question;
    } cases[] = {
        {false, false, "Draws in 6x45.txt: 2, in the download: 1. Replace the file?"},
        {true, false, "Тиражей в файле 6x45.txt: 2, в загруженном: 1. Заменить файл?"},
        {false, true, "Draws in 6x45.txt: 2, in the download: 1. Replace the file?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.question);
        // A byte-order mark does not hide the draws the file holds.
        Start(Answer(Ok(cut)), Ok("17 April 2010\r\n"), std::string("\xEF\xBB\xBF") + kOld);
        if (c.russian) form->SetRussian();
        dialogs->messages.clear();
        dialogs->yesNo.push_back(c.yes);
        form->Update1Click();
        EXPECT_EQ(dialogs->questions, std::vector<std::string>{c.question});
        EXPECT_EQ(dialogs->questionDefaults,
                  std::vector<platform::DefaultAnswer>{platform::DefaultAnswer::No});
        if (c.yes) {
            EXPECT_EQ(dir.read("6x45.txt"), "11 12 13 14 15 16");
            EXPECT_EQ(dir.read("6x45.txt.bak"), "\xEF\xBB\xBF" + std::string(kOld));
            EXPECT_EQ(form->DrawCount, 1);
            EXPECT_EQ(dialogs->messages.size(), 1u);
        } else {
            EXPECT_TRUE(dialogs->messages.empty());
            EXPECT_EQ(Files(), std::set<std::string>{"6x45.txt"});
            EXPECT_EQ(form->DrawCount, 2);
        }
        dialogs->questions.clear();
        dialogs->questionDefaults.clear();
        TearDown();
    }
}

TEST_F(HostileSite, OnlyAWholeVersionAnswerIsShown) {
    const std::string done = "File 6x45.txt has been updated successfully\r\n\r\nDraws: 3";
    const struct {
        const char* what;
        std::string answer;
        std::vector<std::string> messages;
    } cases[] = {
        {"chunked",
         "HTTP/1.0 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nd\r\n1 May 2011\r\n\r\n0\r\n\r\n",
         {done, "Error"}},
        {"partial",
         "HTTP/1.0 206 Partial Content\r\nContent-Range: bytes 0-4/12\r\n\r\n1 May",
         {done, "Error"}},
        {"two lengths",
         "HTTP/1.0 200 OK\r\nContent-Length: 12\r\nContent-Length: 5\r\n\r\n1 May",
         {done, "Error"}},
        // Closed by the server after the date: a version text needs no line end.
        {"without a length or a line end",
         Ok("18 April 2011"),
         {done, "Your Version:  17 April 2010\r\n\r\nLatest Version:18 April 2011\r\n\r\n"
                "Please, update this program"}},
        {"whole",
         Ok("1 May 2011\r\n"),
         {done, "Your Version:  17 April 2010\r\n\r\nLatest Version:1 May 2011\r\n\r\n"
                "Please, update this program"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Start(Answer(Ok(kDraws)), c.answer);
        form->Update1Click();
        EXPECT_EQ(dialogs->messages, c.messages);
        TearDown();
    }
}

TEST_F(HostileSite, ClosingTheWindowEndsTheTransferAndNothingFollows) {
    Start([](FakeConnection& c) {
        if (!c.Send(Ok(kDraws))) return;
        for (int i = 0; i < 100; ++i) {
            FakeConnection::Pause(50);
            if (!c.Send("41 42 43 44 45 1\r\n")) return;
        }
    });
    QTimer::singleShot(300, form, [&] { form->close(); });
    const auto start = std::chrono::steady_clock::now();
    form->Update1Click();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_EQ(dir.read("6x45.txt"), kOld);
    EXPECT_FALSE(std::filesystem::exists(dir.file("6x45.txt.bak")));
    EXPECT_EQ(form->DrawCount, 2);
    // A later attempt starts nothing.
    form->Update1Click();
    EXPECT_TRUE(dialogs->messages.empty());
}

} // namespace
