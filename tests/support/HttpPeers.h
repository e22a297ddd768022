#pragma once

// Real peers for the HTTP tests, all on 127.0.0.1 and all stopped at the end of their scope:
// Python's http.server, nginx with a configuration written here, and a scripted fake server.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace http_peers {

inline int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    ::close(fd);
    return ntohs(a.sin_port);
}

inline bool Accepting(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    ::close(fd);
    return ok;
}

inline bool WaitAccepting(int port, int ms = 10000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        if (Accepting(port)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

inline bool HaveProgram(const std::string& path) {
    return ::access(path.c_str(), X_OK) == 0;
}

// A child process, ended (SIGTERM, then SIGKILL) and reaped at the end of the scope.
class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process() { Stop(); }

    // Starts args[0]; with captureOut the child's stdout can be read through OutFd().
    bool Start(const std::vector<std::string>& args, bool captureOut = false) {
        std::vector<char*> argv;
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        int pipeFd[2] = {-1, -1};
        if (captureOut) {
            if (::pipe2(pipeFd, O_CLOEXEC) != 0) return false;
            posix_spawn_file_actions_adddup2(&actions, pipeFd[1], 1);
        }
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        const int rc = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        if (captureOut) {
            ::close(pipeFd[1]);
            out_ = pipeFd[0];
        }
        if (rc != 0) pid_ = -1;
        return pid_ > 0;
    }
    // A line of the child's stdout, waiting at most ms.
    std::string ReadLine(int ms = 10000) {
        std::string line;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < end) {
            pollfd p{out_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            char c;
            if (::read(out_, &c, 1) != 1) break;
            if (c == '\n') return line;
            line += c;
        }
        return line;
    }
    void Stop() {
        if (out_ >= 0) ::close(out_);
        out_ = -1;
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        for (int i = 0; i < 100; ++i) {
            if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = -1;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
};

inline std::string PythonPath() {
    for (const char* p : {"/usr/bin/python3", "/usr/local/bin/python3"})
        if (HaveProgram(p)) return p;
    return "";
}

// Python's http.server serving a folder.
class PythonServer {
public:
    explicit PythonServer(const std::string& folder) {
        const std::string python = PythonPath();
        if (python.empty()) return;
        const char* code =
            "import functools, http.server, sys\n"
            "h = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])\n"
            "h.log_message = lambda *a: None\n"
            "s = http.server.ThreadingHTTPServer(('127.0.0.1', 0), h)\n"
            "print(s.server_address[1], flush=True)\n"
            "s.serve_forever()\n";
        if (!process_.Start({python, "-c", code, folder}, true)) return;
        const std::string line = process_.ReadLine();
        port_ = line.empty() ? 0 : std::stoi(line);
        if (port_ > 0 && !WaitAccepting(port_)) port_ = 0;
    }
    bool ok() const { return port_ > 0; }
    int port() const { return port_; }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

private:
    Process process_;
    int port_ = 0;
};

// nginx in the foreground with the server block given; "@DIR@" and "@PORT@" in it are replaced.
class NginxServer {
public:
    NginxServer(const std::string& folder, const std::string& serverBlock) {
        if (!HaveProgram("/usr/sbin/nginx")) return;
        for (int attempt = 0; attempt < 3 && port_ == 0; ++attempt) {
            const int port = FreePort();
            std::string block = serverBlock;
            Replace(block, "@DIR@", folder);
            Replace(block, "@PORT@", std::to_string(port));
            const std::string conf = folder + "/nginx.conf";
            std::ofstream(conf) << "daemon off;\nmaster_process off;\nworker_processes 1;\n"
                                << "pid " << folder << "/nginx.pid;\n"
                                << "error_log " << folder << "/error.log;\n"
                                << "events { worker_connections 64; }\n"
                                << "http {\n  access_log off;\n"
                                << "  client_body_temp_path " << folder << "/t1;\n"
                                << "  proxy_temp_path " << folder << "/t2;\n"
                                << "  fastcgi_temp_path " << folder << "/t3;\n"
                                << "  uwsgi_temp_path " << folder << "/t4;\n"
                                << "  scgi_temp_path " << folder << "/t5;\n"
                                << "  server {\n    listen 127.0.0.1:" << port << ";\n"
                                << block << "\n  }\n}\n";
            process_.Stop();
            if (!process_.Start({"/usr/sbin/nginx", "-p", folder, "-c", conf})) continue;
            if (WaitAccepting(port, 5000)) port_ = port;
        }
    }
    bool ok() const { return port_ > 0; }
    int port() const { return port_; }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

private:
    static void Replace(std::string& s, const std::string& from, const std::string& to) {
        for (auto p = s.find(from); p != std::string::npos; p = s.find(from, p + to.size()))
            s.replace(p, from.size(), to);
    }
    Process process_;
    int port_ = 0;
};

// tinyproxy in the foreground on a free port, asking for the login and password given.
class TinyProxy {
public:
    static constexpr const char* kProgram = "/usr/bin/tinyproxy";

    TinyProxy(const std::string& folder, const std::string& user, const std::string& password) {
        if (!HaveProgram(kProgram)) return;
        for (int attempt = 0; attempt < 3 && port_ == 0; ++attempt) {
            const int port = FreePort();
            const std::string conf = folder + "/tinyproxy.conf";
            std::ofstream(conf) << "Port " << port << "\nListen 127.0.0.1\nTimeout 10\n"
                                << "MaxClients 8\nLogLevel Error\n"
                                << "LogFile \"" << folder << "/tinyproxy.log\"\n"
                                << "Allow 127.0.0.1\nBasicAuth " << user << " " << password << "\n";
            process_.Stop();
            if (!process_.Start({kProgram, "-d", "-c", conf})) continue;
            if (WaitAccepting(port, 5000)) port_ = port;
        }
    }
    bool ok() const { return port_ > 0; }
    int port() const { return port_; }

private:
    Process process_;
    int port_ = 0;
};

// One end of a scripted connection, on the server's thread.
struct FakeConnection {
    int fd;
    std::string request;
    bool Send(const std::string& bytes) const {
        std::size_t off = 0;
        while (off < bytes.size()) {
            const ssize_t n = ::send(fd, bytes.data() + off, bytes.size() - off, MSG_NOSIGNAL);
            if (n <= 0) return false;
            off += static_cast<std::size_t>(n);
        }
        return true;
    }
    // Ends the connection with a reset instead of a graceful close.
    void Reset() const {
        linger l{1, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
    }
    static void Pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

// Accepts connections on a free port and answers each with the script, after reading the
// request header. The connection is closed when the script returns.
class FakeServer {
public:
    using Script = std::function<void(FakeConnection&)>;

    explicit FakeServer(Script script) : script_(std::move(script)) {
        fd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(fd_, 8);
        socklen_t len = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { Run(); });
    }
    ~FakeServer() {
        stop_ = true;
        thread_.join();
        ::close(fd_);
    }
    FakeServer(const FakeServer&) = delete;
    FakeServer& operator=(const FakeServer&) = delete;

    int port() const { return port_; }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }
    std::vector<std::string> requests() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }
    bool stopping() const { return stop_; }

private:
    void Run() {
        while (!stop_) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            const int c = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
            if (c < 0) continue;
            FakeConnection conn{c, ReadRequest(c)};
            {
                std::lock_guard<std::mutex> lock(mutex_);
                requests_.push_back(conn.request);
            }
            script_(conn);
            ::close(c);
        }
    }
    std::string ReadRequest(int c) {
        std::string r;
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (r.find("\r\n\r\n") == std::string::npos && !stop_ &&
               std::chrono::steady_clock::now() < end) {
            pollfd p{c, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0) continue;
            char buf[4096];
            const ssize_t n = ::recv(c, buf, sizeof buf, 0);
            if (n <= 0) break;
            r.append(buf, static_cast<std::size_t>(n));
        }
        return r;
    }

    Script script_;
    int fd_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

} // namespace http_peers
