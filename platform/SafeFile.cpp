#include "platform/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr const char* kTempMark = ".tmp-";
constexpr std::size_t kTempSuffix = 6;

bool WriteAll(int fd, const char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string Folder(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

std::string BaseName(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::optional<TempFile> CreateTempBeside(const std::string& path, unsigned mode) {
    static constexpr char kChars[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device random;
    std::uniform_int_distribution<int> pick(0, sizeof kChars - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = path + kTempMark;
        for (std::size_t i = 0; i < kTempSuffix; ++i) name += kChars[pick(random)];
        // O_EXCL also refuses a planted link, dangling or not; O_NOFOLLOW says so twice.
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              static_cast<mode_t>(mode));
        if (fd >= 0) return TempFile{fd, name};
        if (errno != EEXIST) return std::nullopt;
    }
    return std::nullopt;
}

void RemoveStaleTemps(const std::string& path) {
    const std::string prefix = BaseName(path) + kTempMark;
    const std::string folder = Folder(path);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + kTempSuffix || name.compare(0, prefix.size(), prefix))
            continue;
        struct stat st {};
        const std::string full = folder + (folder.back() == '/' ? "" : "/") + name;
        if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(full.c_str());
    }
    ::closedir(dir);
}

bool RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // Filesystems without the flag: a hard link fails on a taken name just the same.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) != 0) {
        ::unlink(to.c_str());
        return false;
    }
    return true;
}

std::optional<std::string> WriteTempBeside(const std::string& path, std::string_view bytes) {
    const std::optional<TempFile> temp = CreateTempBeside(path, kWrittenFileMode);
    if (!temp) return std::nullopt;
    errno = 0;
    bool ok = WriteAll(temp->fd, bytes.data(), bytes.size());
    if (!ok && errno == 0) errno = EIO;
    if (ok && ::fsync(temp->fd) != 0) ok = false;
    int error = errno;
    if (::close(temp->fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp->name.c_str());
        errno = error;
        return std::nullopt;
    }
    return temp->name;
}

bool KeepCopy(const std::string& path, const std::string& copyName) {
    if (::link(path.c_str(), copyName.c_str()) == 0) return true;
    if (errno == EEXIST) return false;
    // No hard links here (another filesystem kind): a copy, made as a new name only.
    const int in = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (in < 0) return false;
    const int out = ::open(copyName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                           static_cast<mode_t>(kWrittenFileMode));
    if (out < 0) {
        ::close(in);
        return false;
    }
    bool ok = true;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(in, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        if (!WriteAll(out, buf, static_cast<std::size_t>(n))) {
            ok = false;
            break;
        }
    }
    if (ok && ::fsync(out) != 0) ok = false;
    if (::close(out) != 0) ok = false;
    ::close(in);
    if (!ok) ::unlink(copyName.c_str());
    return ok;
}

bool NameTaken(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 || errno != ENOENT;
}

bool ReplaceFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void RemoveFile(const std::string& path) {
    ::unlink(path.c_str());
}

} // namespace platform
