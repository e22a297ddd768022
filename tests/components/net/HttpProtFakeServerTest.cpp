#include "components/net/HttpProt.h"
#include "platform/EventWait.h"
#include "tests/support/HttpPeers.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <optional>
#include <sstream>

using http_peers::FakeConnection;
using http_peers::FakeServer;

namespace {

struct Outcome {
    std::optional<int> errorCode; // set when Get raised EHttpException
    std::string message;
    std::string body;
    int status = 0;
};

Outcome RunGet(const std::string& url, int timeoutMs = 5000,
               const std::function<void(THttpCli&)>& setup = {}) {
    THttpCli client;
    std::ostringstream body;
    client.URL = url;
    client.ReceiveStream = &body;
    client.Timeout = timeoutMs;
    if (setup) setup(client);
    Outcome out;
    try {
        client.Get();
    } catch (const EHttpException& e) {
        out.errorCode = e.ErrorCode();
        out.message = e.what();
    }
    out.body = body.str();
    out.status = client.StatusCode();
    return out;
}

bool WaitReady(THttpCli& client, int ms = 5000) {
    const auto deadline = platform::WaitClock::now() + std::chrono::milliseconds(ms);
    while (client.State() != hsReady && platform::WaitClock::now() < deadline)
        platform::WaitForEvents(deadline);
    return client.State() == hsReady;
}

const std::string kOk = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nhello\r\nworld";

TEST(HttpFakeServer, SendsTheRequestLinesInOrder) {
    FakeServer server([](FakeConnection& c) { c.Send(kOk); });
    THttpCli client;
    std::ostringstream body;
    client.URL = "http://joe:pw@127.0.0.1:" + std::to_string(server.port()) + "/dir/file.txt";
    client.Reference = "http://127.0.0.1";
    client.ReceiveStream = &body;
    client.Timeout = 5000;
    client.Get();
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0],
              "GET /dir/file.txt HTTP/1.0\r\n"
              "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
              "Referer: http://127.0.0.1\r\n"
              "User-Agent: Mozilla/3.0 (compatible)\r\n"
              "Host: 127.0.0.1\r\n"
              "Authorization: Basic am9lOnB3\r\n"
              "\r\n");
    EXPECT_EQ(client.Username, "joe");
    EXPECT_EQ(client.Password, "pw");
    EXPECT_EQ(client.DocName(), "file.txt");
    EXPECT_EQ(body.str(), "hello\r\nworld");
    EXPECT_EQ(client.StatusCode(), 200);
    EXPECT_EQ(client.ReasonPhrase(), "OK");
    EXPECT_EQ(client.ContentType(), "text/plain");
    EXPECT_EQ(client.State(), hsReady);
}

TEST(HttpFakeServer, OnCommandMayChangeOrEmptyALine) {
    FakeServer server([](FakeConnection& c) { c.Send(kOk); });
    THttpCli client;
    client.URL = server.url("/");
    client.Timeout = 5000;
    client.OnCommand = [](QObject*, std::string& s) {
        if (s.rfind("Accept:", 0) == 0) s.clear();
        if (s.rfind("User-Agent:", 0) == 0) s = "User-Agent: test";
    };
    client.Get();
    EXPECT_EQ(server.requests()[0],
              "GET / HTTP/1.0\r\n\r\nUser-Agent: test\r\nHost: 127.0.0.1\r\n\r\n");
    EXPECT_EQ(client.DocName(), "document.htm");
}

TEST(HttpFakeServer, HeadersAreRecorded) {
    FakeServer server([](FakeConnection& c) {
        c.Send("HTTP/1.1 206 Partial Content\r\nContent-Length: 4\r\n"
               "Content-Range: bytes 2-5/26\r\nAccept-Ranges: bytes\r\n"
               "Content-Type: Text/HTML\r\nWWW-Authenticate: Basic realm=\"x\"\r\n"
               "Set-Cookie: id=7\r\nX-Other: y\r\n\r\ncdef");
    });
    THttpCli client;
    std::ostringstream body;
    client.URL = server.url("/setup.exe");
    client.ReceiveStream = &body;
    client.Timeout = 5000;
    std::vector<std::string> cookies;
    client.OnCookie = [&](QObject*, const std::string& d, bool&) { cookies.push_back(d); };
    std::vector<std::string> events;
    client.OnHeaderBegin = [&](QObject*) { events.push_back("header begin"); };
    client.OnHeaderEnd = [&](QObject*) { events.push_back("header end"); };
    client.OnDocBegin = [&](QObject*) { events.push_back("doc begin"); };
    client.OnDocEnd = [&](QObject*) { events.push_back("doc end"); };
    bool done = false;
    client.OnRequestDone = [&](QObject*, THttpRequest kind, std::uint16_t error) {
        done = kind == httpGET && error == 0;
    };
    client.Get();
    EXPECT_EQ(client.StatusCode(), 206);
    EXPECT_EQ(client.ContentLength(), 4);
    EXPECT_EQ(client.ContentRangeBegin, "2");
    EXPECT_EQ(client.ContentRangeEnd, "5");
    EXPECT_EQ(client.AcceptRanges(), "bytes");
    EXPECT_EQ(client.ContentType(), "text/html");
    EXPECT_EQ(client.DocName(), "setup.htm");
    ASSERT_EQ(client.AuthenticateLines().size(), 1u);
    EXPECT_EQ(client.AuthenticateLines()[0], "Basic realm=\"x\"");
    EXPECT_EQ(cookies, std::vector<std::string>{"id=7"});
    EXPECT_EQ(client.HeaderLines().size(), 8u);
    EXPECT_EQ(body.str(), "cdef");
    EXPECT_EQ(events,
              (std::vector<std::string>{"header begin", "header end", "doc begin", "doc end"}));
    // The done event comes from the queue after Get returned.
    http_peers::FakeConnection::Pause(1);
    for (int i = 0; i < 20 && !done; ++i) QCoreApplication::processEvents();
    EXPECT_TRUE(done);
}

TEST(HttpFakeServer, HeaderlessHtmlIsTheBody) {
    FakeServer server([](FakeConnection& c) { c.Send("<HTML>\r\n<body>\r\nx"); });
    const Outcome o = RunGet(server.url("/"));
    EXPECT_FALSE(o.errorCode) << o.message;
    EXPECT_EQ(o.body, "<HTML><body>x");
    EXPECT_EQ(o.status, 0);
}

struct Malformed {
    const char* name;
    std::string response;
    int code;
};

class HttpBrokenResponse : public ::testing::TestWithParam<Malformed> {};

TEST_P(HttpBrokenResponse, GetRaises) {
    const std::string response = GetParam().response;
    FakeServer server([response](FakeConnection& c) { c.Send(response); });
    const Outcome o = RunGet(server.url("/x"));
    ASSERT_TRUE(o.errorCode) << GetParam().name;
    EXPECT_EQ(*o.errorCode, GetParam().code) << o.message;
}

INSTANTIATE_TEST_SUITE_P(
    Responses, HttpBrokenResponse,
    ::testing::Values(
        Malformed{"Nothing", "", httpErrNoStatus},
        Malformed{"NoStatusLine", "Content-Type: text/plain\r\n\r\nbody", httpErrNoStatus},
        Malformed{"GarbageStatus", "HTTP/1.0 abc OK\r\n\r\nbody", httpErrNoStatus},
        Malformed{"OtherProtocol", "SSH-2.0-OpenSSH\r\n", httpErrNoStatus},
        Malformed{"ClosedInStatusLine", "HTTP/1.0 20", httpErrNoStatus},
        Malformed{"ClosedInHeader", "HTTP/1.0 200 OK\r\nContent-Le", httpErrIncomplete},
        Malformed{"ClosedBeforeEmptyLine", "HTTP/1.0 200 OK\r\n", httpErrIncomplete},
        Malformed{"BodyCutShort", "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\n12345",
                  httpErrIncomplete},
        Malformed{"NotFound", "HTTP/1.1 404 Not Found\r\n\r\n", 404},
        Malformed{"HttpsRelocation", "HTTP/1.0 302 Found\r\nLocation: https://127.0.0.1/x\r\n\r\n",
                  httpErrUnsupportedScheme},
        // The whole file's length, then a cut body's: the body could end at either.
        Malformed{"DifferingLengths",
                  "HTTP/1.0 200 OK\r\nContent-Length: 12\r\nContent-Length: 5\r\n\r\nhello",
                  httpErrBadFraming},
        Malformed{"LengthFoldedIntoADifferentOne",
                  "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n , 7\r\n\r\nhello", httpErrBadFraming},
        Malformed{"FoldUnderTheStatusLine", "HTTP/1.0 200 OK\r\n Content-Length: 5\r\n\r\nhello",
                  httpErrBadFraming},
        Malformed{"RedirectThatCannotBeDelimited",
                  "HTTP/1.0 302 Found\r\nLocation: /y\r\nContent-Length: -1\r\n\r\n",
                  httpErrBadFraming},
        Malformed{"RelocationToAHostWithABlank",
                  "HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1 x/y\r\n\r\n",
                  httpErrBadRelocation}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HttpFakeServer, LfOnlyLineEndsAndOneByteAtATime) {
    FakeServer server([](FakeConnection& c) {
        const std::string r = "HTTP/1.0 200 OK\nContent-Length: 6\n\nab\ncd\n";
        for (char ch : r) {
            c.Send(std::string(1, ch));
            FakeConnection::Pause(2);
        }
    });
    const Outcome o = RunGet(server.url("/x"));
    EXPECT_FALSE(o.errorCode) << o.message;
    EXPECT_EQ(o.status, 200);
    EXPECT_EQ(o.body, "ab\ncd\n");
}

TEST(HttpFakeServer, AnEndlessHeaderLineIsRefused) {
    FakeServer server([](FakeConnection& c) {
        c.Send("HTTP/1.0 200 OK\r\nX-Long: ");
        const std::string block(4096, 'a');
        for (int i = 0; i < 64; ++i)
            if (!c.Send(block)) break;
    });
    const Outcome o = RunGet(server.url("/x"));
    ASSERT_TRUE(o.errorCode);
    EXPECT_EQ(*o.errorCode, httpErrLineTooLong);
}

TEST(HttpFakeServer, TooManyHeaderLinesAreRefused) {
    FakeServer server([](FakeConnection& c) {
        std::string r = "HTTP/1.0 200 OK\r\n";
        for (int i = 0; i < 5000; ++i) r += "X-Line-" + std::to_string(i) + ": value\r\n";
        c.Send(r);
    });
    const Outcome o = RunGet(server.url("/x"));
    ASSERT_TRUE(o.errorCode);
    EXPECT_EQ(*o.errorCode, httpErrLineTooLong);
}

TEST(HttpFakeServer, AResetConnectionIsAFailure) {
    FakeServer server([](FakeConnection& c) {
        c.Send("HTTP/1.0 200 OK\r\n\r\npartial");
        FakeConnection::Pause(100);
        c.Reset();
    });
    const Outcome o = RunGet(server.url("/x"));
    ASSERT_TRUE(o.errorCode);
    EXPECT_EQ(*o.errorCode, httpErrIncomplete) << o.message;
}

TEST(HttpFakeServer, AServerThatNeverAnswersEndsAtTheTimeLimit) {
    FakeServer server([&](FakeConnection&) {
        for (int i = 0; i < 100; ++i) FakeConnection::Pause(20);
    });
    QElapsedTimer t;
    t.start();
    const Outcome o = RunGet(server.url("/x"), 300);
    ASSERT_TRUE(o.errorCode);
    EXPECT_EQ(*o.errorCode, httpErrTimeout);
    EXPECT_LT(t.elapsed(), 1500);
}

TEST(HttpFakeServer, RelocationsAreLimited) {
    FakeServer server(
        [](FakeConnection& c) { c.Send("HTTP/1.0 302 Found\r\nLocation: /again\r\n\r\n"); });
    const Outcome o = RunGet(server.url("/x"));
    ASSERT_TRUE(o.errorCode);
    EXPECT_EQ(*o.errorCode, httpErrTooManyRelocations);
    EXPECT_EQ(server.requests().size(), static_cast<std::size_t>(THttpCli::MaxRelocations + 1));
}

TEST(HttpFakeServer, RelocationKeepsTheHeaderLinesOfBothResponses) {
    FakeServer server([](FakeConnection& c) {
        if (c.request.rfind("GET /first ", 0) == 0)
            c.Send("HTTP/1.0 301 Moved\r\nLocation: /second\r\n\r\n");
        else
            c.Send("HTTP/1.0 200 OK\r\n\r\ndone");
    });
    THttpCli client;
    std::ostringstream body;
    client.URL = server.url("/first");
    client.ReceiveStream = &body;
    client.Timeout = 5000;
    int moves = 0;
    client.OnLocationChange = [&](QObject*) { ++moves; };
    client.Get();
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(body.str(), "done");
    EXPECT_EQ(
        client.HeaderLines(),
        (std::vector<std::string>{"HTTP/1.0 301 Moved", "Location: /second", "HTTP/1.0 200 OK"}));
    EXPECT_EQ(client.DocName(), "first");
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(server.requests()[1].rfind("GET /second HTTP/1.0\r\n", 0), 0u);
}

TEST(HttpFakeServer, RepeatsOfOneLengthAreOneLength) {
    FakeServer server([](FakeConnection& c) {
        c.Send("HTTP/1.0 200 OK\r\nContent-Length: 5\r\nContent-Length: 5, 5\r\n\r\nhello");
    });
    const Outcome o = RunGet(server.url("/x"));
    EXPECT_FALSE(o.errorCode) << o.message;
    EXPECT_EQ(o.body, "hello");
}

TEST(HttpFakeServer, ARelocationWithBlanksAndHighBytesIsAskedPercentEncoded) {
    FakeServer server([](FakeConnection& c) {
        c.Send(
            c.request.rfind("GET /x ", 0) == 0
                ? "HTTP/1.0 302 Found\r\nLocation: /moved x\xC2\x85X-Injected: 1/6x45.txt\r\n\r\n"
                : "HTTP/1.0 200 OK\r\n\r\ndone");
    });
    EXPECT_EQ(RunGet(server.url("/x")).body, "done");
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(
        server.requests()[1].rfind("GET /moved%20x%C2%85X-Injected:%201/6x45.txt HTTP/1.0\r\n", 0),
        0u);
}

TEST(HttpClient, RefusesHttpsWithoutSendingAnything) {
    FakeServer server([](FakeConnection& c) { c.Send(kOk); });
    for (const std::string& url : {"https://127.0.0.1:" + std::to_string(server.port()) + "/x",
                                   "ftp://127.0.0.1:" + std::to_string(server.port()) + "/x"}) {
        const Outcome o = RunGet(url);
        ASSERT_TRUE(o.errorCode) << url;
        EXPECT_EQ(*o.errorCode, httpErrUnsupportedScheme);
    }
    http_peers::FakeConnection::Pause(100);
    EXPECT_TRUE(server.requests().empty());
}

TEST(HttpClient, AControlCharacterInAnyTextOfTheRequestSendsNothing) {
    FakeServer server([](FakeConnection& c) { c.Send(kOk); });
    const std::string url = "http://127.0.0.1:" + std::to_string(server.port());
    const struct {
        const char* what;
        std::function<void(THttpCli&)> set;
    } cases[] = {
        {"url", [&](THttpCli& c) { c.URL = url + "/x\rX-Injected: 1"; }},
        {"url with LF", [&](THttpCli& c) { c.URL = url + "/x\nX-Injected: 1"; }},
        {"login", [](THttpCli& c) { c.Username = "joe\r\nX-Injected: 1"; }},
        {"password", [](THttpCli& c) { c.Password = "pw\x01"; }},
        {"proxy login", [](THttpCli& c) { c.ProxyUsername = "joe\t"; }},
        {"cookie", [](THttpCli& c) { c.Cookie = "a=1\rX-Injected: 1"; }},
        {"referrer", [](THttpCli& c) { c.Reference = "http://x\x7F"; }},
    };
    for (const auto& c : cases) {
        const Outcome o = RunGet(url + "/x", 5000, c.set);
        ASSERT_TRUE(o.errorCode) << c.what;
        EXPECT_EQ(*o.errorCode, httpErrControlCharacter) << c.what;
    }
    http_peers::FakeConnection::Pause(100);
    EXPECT_TRUE(server.requests().empty());
}

TEST(HttpFakeServer, ALocationWithABareCrEndsTheTransferBeforeTheNextRequest) {
    FakeServer server([](FakeConnection& c) {
        c.Send("HTTP/1.0 302 Found\r\nLocation: /x\rX-Injected: 1\r\n\r\n");
    });
    const Outcome o = RunGet(server.url("/first"));
    ASSERT_TRUE(o.errorCode);
    EXPECT_EQ(*o.errorCode, httpErrControlCharacter);
    http_peers::FakeConnection::Pause(100);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].find("Injected"), std::string::npos);
}

TEST(HttpClient, RefusedConnection) {
    const int port = http_peers::FreePort();
    const Outcome o = RunGet("http://127.0.0.1:" + std::to_string(port) + "/x");
    ASSERT_TRUE(o.errorCode);
    EXPECT_EQ(*o.errorCode, 404);
    const std::string tail = "Connection refused (Error #10061)";
    ASSERT_GE(o.message.size(), tail.size()) << o.message;
    EXPECT_EQ(o.message.substr(o.message.size() - tail.size()), tail);
}

TEST(HttpClient, UnknownHostName) {
    const Outcome o = RunGet("http://no-such-host.invalid/x");
    ASSERT_TRUE(o.errorCode);
    EXPECT_EQ(*o.errorCode, 404);
    EXPECT_EQ(o.message, "can't resolve hostname to IP address");
}

TEST(HttpClient, EmptyHostRaisesAndLeavesTheClientReady) {
    THttpCli client;
    client.URL = "/just/a/path";
    EXPECT_THROW(client.Get(), ESocketException);
    EXPECT_EQ(client.State(), hsReady);
}

TEST(HttpClient, SecondRequestWhileBusyIsRefused) {
    FakeServer server([](FakeConnection& c) {
        FakeConnection::Pause(200);
        c.Send(kOk);
    });
    THttpCli client;
    client.URL = server.url("/x");
    client.Timeout = 5000;
    client.RequestAsync(httpGET);
    try {
        client.Get();
        FAIL() << "no exception";
    } catch (const EHttpException& e) {
        EXPECT_EQ(e.ErrorCode(), httpErrBusy);
        EXPECT_STREQ(e.what(), "HTTP component is busy");
    }
    EXPECT_TRUE(WaitReady(client));
}

TEST(HttpClient, PostSendsTheStreamWithItsLength) {
    FakeServer server([](FakeConnection& c) {
        // The body follows the header; read what the header announced.
        std::string got = c.request.substr(c.request.find("\r\n\r\n") + 4);
        while (got.size() < 20000) {
            char buf[4096];
            const ssize_t n = ::recv(c.fd, buf, sizeof buf, 0);
            if (n <= 0) break;
            got.append(buf, static_cast<std::size_t>(n));
        }
        c.Send("HTTP/1.0 200 OK\r\n\r\n" + std::to_string(got.size()) + " " +
               (got == std::string(20000, 'p') ? "same" : "different"));
    });
    THttpCli client;
    std::istringstream send(std::string(20000, 'p'));
    std::ostringstream body;
    client.URL = server.url("/post");
    client.SendStream = &send;
    client.ReceiveStream = &body;
    client.Timeout = 5000;
    int ends = 0;
    client.OnSendEnd = [&](QObject*) { ++ends; };
    client.Post();
    EXPECT_EQ(body.str(), "20000 same");
    EXPECT_EQ(client.BytesSent(), 20000);
    EXPECT_EQ(ends, 1);
    const std::string request = server.requests()[0];
    EXPECT_EQ(request.rfind("POST /post HTTP/1.0\r\n", 0), 0u);
    EXPECT_NE(request.find("Content-Type: application/x-www-form-urlencoded\r\n"),
              std::string::npos);
    EXPECT_NE(request.find("Content-Length: 20000\r\n"), std::string::npos);
}

TEST(HttpClient, PostWithoutStreamIsRefused) {
    THttpCli client;
    client.URL = "http://127.0.0.1/x";
    try {
        client.Post();
        FAIL() << "no exception";
    } catch (const EHttpException& e) {
        EXPECT_EQ(e.ErrorCode(), httpErrNothingToPost);
    }
}

TEST(HttpClient, HeadNeedsNoBody) {
    FakeServer server(
        [](FakeConnection& c) { c.Send("HTTP/1.0 200 OK\r\nContent-Length: 500\r\n\r\n"); });
    THttpCli client;
    client.URL = server.url("/x");
    client.Timeout = 5000;
    client.Head();
    EXPECT_EQ(client.ContentLength(), 500);
    EXPECT_EQ(server.requests()[0].rfind("HEAD /x HTTP/1.0\r\n", 0), 0u);
}

// A fold joins its field with one blank in place of the blanks around it; the lines stay as they
// came.
TEST(HttpFakeServer, AFoldedFieldIsReadJoinedWithOneBlank) {
    FakeServer server([](FakeConnection& c) {
        c.Send("HTTP/1.0 200 OK\r\nContent-Type: text/ \r\n\t\t plain\r\nContent-Length:\r\n "
               "5\r\n\r\nhello");
    });
    std::string type;
    std::vector<std::string> lines;
    const Outcome o = RunGet(server.url("/x"), 5000, [&](THttpCli& client) {
        client.OnHeaderEnd = [&](QObject*) {
            type = client.ContentType();
            lines = client.HeaderLines();
        };
    });
    EXPECT_EQ(o.body, "hello") << o.message;
    EXPECT_EQ(type, "text/ plain");
    EXPECT_EQ(lines, (std::vector<std::string>{"HTTP/1.0 200 OK", "Content-Type: text/ ",
                                               "\t\t plain", "Content-Length:", " 5"}));
}

// A port the relocation cannot name is refused before anything is asked, through a proxy too.
TEST(HttpFakeServer, ARelocationToAnUnsoundPortAsksNothing) {
    FakeServer server([](FakeConnection& c) {
        c.Send("HTTP/1.0 302 Found\r\nLocation: http://127.0.0.1:123456/6x45.txt\r\n\r\n");
    });
    const Outcome o = RunGet("http://site.example/x", 5000, [&](THttpCli& c) {
        c.Proxy = "127.0.0.1";
        c.ProxyPort = std::to_string(server.port());
    });
    EXPECT_EQ(o.message, "Relocation refused for its address: http://127.0.0.1:123456/6x45.txt");
    EXPECT_EQ(server.requests().size(), 1u);
}

} // namespace
