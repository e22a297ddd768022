#include "components/net/WSocket.h"

#include "tests/components/net/EchoServer.h"
#include "tests/components/net/NetTestUtil.h"
#include "tests/support/TempDir.h"

#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

using namespace net_test;

namespace {

// A proxy server process on 127.0.0.1, stopped at the end of its scope. The servers are
// installed by scripts/deps.sh test; a missing one is a failure, never a skip.
class ServerProcess {
public:
    ~ServerProcess() { Stop(); }

    // Empty on success, else why it did not come up.
    std::string Start(const std::string& program, const QStringList& args, int port) {
        if (!QFileInfo::exists(QString::fromStdString(program)))
            return program + " is not installed (scripts/deps.sh test installs it)";
        process_.setProgram(QString::fromStdString(program));
        process_.setArguments(args);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start();
        if (!process_.waitForStarted(5000)) return program + " did not start";
        const auto deadline = platform::WaitClock::now() + std::chrono::seconds(10);
        while (platform::WaitClock::now() < deadline) {
            if (process_.state() == QProcess::NotRunning)
                return program + " ended: " + process_.readAll().toStdString();
            if (Accepts(port)) return {};
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
        return program + " does not listen on port " + std::to_string(port);
    }

    void Stop() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.terminate();
        if (!process_.waitForFinished(3000)) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

private:
    static bool Accepts(int port) {
        RawFd fd(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<uint16_t>(port));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        return ::connect(fd.get(), reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    }

    QProcess process_;
};

struct Recorder {
    std::vector<std::string> log;
    std::string data;

    void Watch(TWSocket& s) {
        s.OnSessionConnected = [this](QObject*, std::uint16_t e) {
            log.push_back("connected " + std::to_string(e));
        };
        s.OnSessionClosed = [this](QObject*, std::uint16_t e) {
            log.push_back("closed " + std::to_string(e));
        };
        s.OnSocksError = [this](QObject*, int e, const std::string& m) {
            log.push_back("error " + std::to_string(e) + " " + m);
        };
        s.OnSocksAuthState = [this](QObject*, TSocksAuthState a) {
            log.push_back("auth " + std::to_string(static_cast<int>(a)));
        };
        s.OnDataAvailable = [this, &s](QObject*, std::uint16_t) { data += s.ReceiveText(); };
    }
    bool Has(const std::string& entry) const {
        for (const auto& l : log)
            if (l == entry) return true;
        return false;
    }
    bool HasPrefix(const std::string& prefix) const {
        for (const auto& l : log)
            if (l.rfind(prefix, 0) == 0) return true;
        return false;
    }
};

std::string Dump(const std::vector<std::string>& log) {
    std::string out;
    for (const auto& l : log) out += "[" + l + "] ";
    return out;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Connects through the proxy and waits until the outcome is known.
void Through(TWSocket& s, Recorder& rec, int proxyPort, const std::string& level,
             const std::string& target, const std::string& port) {
    rec.Watch(s);
    s.SetSocksServer("127.0.0.1");
    s.SetSocksPort(std::to_string(proxyPort));
    s.SetSocksLevel(level);
    s.SetAddr(target);
    s.SetPort(port);
    s.Connect();
    WaitUntil([&] { return rec.HasPrefix("connected") || rec.HasPrefix("closed"); }, 10000);
}

// The echo round trip after the proxy connected.
void ExpectEchoThrough(TWSocket& s, Recorder& rec) {
    s.SendText("ping through the proxy");
    EXPECT_TRUE(WaitUntil([&] { return rec.data == "ping through the proxy"; }, 5000)) << rec.data;
}

class Dante : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = std::make_unique<testing_support::TempDir>();
        blockedPort = ClosedPort();
        openPort = ClosedPort();
        userPort = ClosedPort();
        const std::string user =
            geteuid() == 0 ? "user.privileged: root\nuser.unprivileged: nobody\n" : "";
        dir->write("open.conf", "logoutput: " + dir->file("open.log") +
                                    "\n"
                                    "internal: 127.0.0.1 port = " +
                                    std::to_string(openPort) +
                                    "\n"
                                    "external: 127.0.0.1\n"
                                    "clientmethod: none\n"
                                    "socksmethod: none\n" +
                                    user +
                                    "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n"
                                    "socks block { from: 0.0.0.0/0 to: 127.0.0.1/32 port = " +
                                    std::to_string(blockedPort) +
                                    " }\n"
                                    "socks pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n");
        dir->write("user.conf", "logoutput: " + dir->file("user.log") +
                                    "\n"
                                    "internal: 127.0.0.1 port = " +
                                    std::to_string(userPort) +
                                    "\n"
                                    "external: 127.0.0.1\n"
                                    "clientmethod: none\n"
                                    "socksmethod: username\n" +
                                    user +
                                    "client pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n"
                                    "socks pass { from: 127.0.0.0/8 to: 0.0.0.0/0 }\n");
        open = std::make_unique<ServerProcess>();
        failure = open->Start("/usr/sbin/danted",
                              {"-f", QString::fromStdString(dir->file("open.conf")), "-p",
                               QString::fromStdString(dir->file("open.pid")), "-N", "1"},
                              openPort);
        if (!failure.empty()) return;
        withUser = std::make_unique<ServerProcess>();
        failure = withUser->Start("/usr/sbin/danted",
                                  {"-f", QString::fromStdString(dir->file("user.conf")), "-p",
                                   QString::fromStdString(dir->file("user.pid")), "-N", "1"},
                                  userPort);
    }
    static void TearDownTestSuite() {
        open.reset();
        withUser.reset();
        dir.reset();
    }
    void SetUp() override { ASSERT_EQ(failure, "") << ReadFile(dir->file("open.log")); }

    static inline std::unique_ptr<testing_support::TempDir> dir;
    static inline std::unique_ptr<ServerProcess> open, withUser;
    static inline std::string failure;
    static inline int blockedPort = 0, openPort = 0, userPort = 0;
};

TEST_F(Dante, Socks4ConnectGrantedCarriesDataBothWays) {
    EchoServer target;
    TWSocket s;
    Recorder rec;
    Through(s, rec, openPort, "4", "127.0.0.1", target.Port());
    ASSERT_EQ(rec.log, std::vector<std::string>{"connected 0"}) << Dump(rec.log);
    ExpectEchoThrough(s, rec);
    EXPECT_EQ(target.received, "ping through the proxy");
}

TEST_F(Dante, Socks4ConnectRefused) {
    TWSocket s;
    Recorder rec;
    Through(s, rec, openPort, "4", "127.0.0.1", std::to_string(ClosedPort()));
    ASSERT_TRUE(WaitUntil([&] { return rec.Has("closed 20016"); }, 10000)) << Dump(rec.log);
    EXPECT_EQ(rec.log, (std::vector<std::string>{"error 20016 request rejected or failed",
                                                 "connected 20016", "closed 20016"}));
}

TEST_F(Dante, Socks5ConnectCarriesDataBothWays) {
    EchoServer target;
    TWSocket s;
    Recorder rec;
    Through(s, rec, openPort, "5", "127.0.0.1", target.Port());
    ASSERT_EQ(rec.log, std::vector<std::string>{"connected 0"}) << Dump(rec.log);
    ExpectEchoThrough(s, rec);
    s.Close();
}

TEST_F(Dante, Socks5RefusedTarget) {
    TWSocket s;
    Recorder rec;
    Through(s, rec, openPort, "5", "127.0.0.1", std::to_string(ClosedPort()));
    ASSERT_TRUE(WaitUntil([&] { return rec.Has("closed 20008"); }, 10000)) << Dump(rec.log);
    EXPECT_TRUE(rec.Has("error 20008 connection refused"));
    EXPECT_TRUE(rec.Has("connected 20008"));
}

TEST_F(Dante, Socks5BlockedTarget) {
    TWSocket s;
    Recorder rec;
    Through(s, rec, openPort, "5", "127.0.0.1", std::to_string(blockedPort));
    ASSERT_TRUE(WaitUntil([&] { return rec.Has("closed 20005"); }, 10000)) << Dump(rec.log);
    EXPECT_TRUE(rec.Has("error 20005 connection not allowed by ruleset"));
}

TEST_F(Dante, Socks5MethodRefused) {
    TWSocket s;
    Recorder rec;
    Through(s, rec, userPort, "5", "127.0.0.1", "80");
    ASSERT_TRUE(WaitUntil([&] { return rec.Has("closed 20003"); }, 10000)) << Dump(rec.log);
    EXPECT_EQ(rec.log,
              (std::vector<std::string>{"error 20003 authentification method not acceptable",
                                        "connected 20003", "closed 20003"}));
}

class MicroSocks : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        port = ClosedPort();
        server = std::make_unique<ServerProcess>();
        failure = server->Start(
            "/usr/bin/microsocks",
            {"-i", "127.0.0.1", "-p", QString::number(port), "-u", "alice", "-P", "s3cret"}, port);
    }
    static void TearDownTestSuite() { server.reset(); }
    void SetUp() override { ASSERT_EQ(failure, ""); }

    void Login(TWSocket& s, const std::string& password) {
        s.SetSocksAuthentication(socksAuthenticateUsercode);
        s.SetSocksUsercode("alice");
        s.SetSocksPassword(password);
    }

    static inline std::unique_ptr<ServerProcess> server;
    static inline std::string failure;
    static inline int port = 0;
};

TEST_F(MicroSocks, AuthenticationAccepted) {
    EchoServer target;
    TWSocket s;
    Recorder rec;
    Login(s, "s3cret");
    Through(s, rec, port, "5", "127.0.0.1", target.Port());
    ASSERT_EQ(rec.log, (std::vector<std::string>{"auth 0", "auth 1", "connected 0"}))
        << Dump(rec.log);
    ExpectEchoThrough(s, rec);
}

TEST_F(MicroSocks, WrongPassword) {
    TWSocket s;
    Recorder rec;
    Login(s, "wrong");
    Through(s, rec, port, "5", "127.0.0.1", "80");
    ASSERT_TRUE(WaitUntil([&] { return rec.Has("closed 20015"); }, 10000)) << Dump(rec.log);
    EXPECT_EQ(rec.log.at(0), "auth 0");
    EXPECT_EQ(rec.log.at(1), "error 20015 socks authentication failed");
    EXPECT_EQ(rec.log.at(2), "connected 20015");
}

TEST_F(MicroSocks, NoAcceptableMethod) {
    TWSocket s;
    Recorder rec;
    Through(s, rec, port, "5", "127.0.0.1", "80");
    ASSERT_TRUE(WaitUntil([&] { return rec.Has("closed 20003"); }, 10000)) << Dump(rec.log);
    EXPECT_TRUE(rec.Has("error 20003 authentification method not acceptable"));
}

} // namespace
