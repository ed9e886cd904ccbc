#pragma once
// Runs build/rastoccmd with arguments given as raw bytes, so names that are
// not UTF-8 reach it unchanged (QProcess would re-encode them), and lets a
// test signal the child while it runs.
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <vector>

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>

extern char** environ;

struct RawResult {
    int status = -1;  // exit status when the child exited
    int signal = 0;   // the signal that ended it, 0 when it exited
    QByteArray out;
    QByteArray err;
    bool sanitizerReport() const { return err.contains("Sanitizer") || err.contains("runtime error:"); }
};

struct RawChild {
    pid_t pid = -1;
    int outFd = -1;
    int errFd = -1;
};

// Starts the program with its own lock and settings folders.
inline RawChild StartRaw(const QList<QByteArray>& args, const QByteArray& workDir = QByteArray()) {
    static QTemporaryDir privateDir;
    RawChild child;
    int outPipe[2];
    int errPipe[2];
    if (pipe2(outPipe, O_CLOEXEC) != 0) return child;
    if (pipe2(errPipe, O_CLOEXEC) != 0) {
        close(outPipe[0]);
        close(outPipe[1]);
        return child;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    if (!workDir.isEmpty()) posix_spawn_file_actions_addchdir_np(&actions, workDir.constData());

    const QByteArray program(RASTOCCMD_PATH);
    std::vector<char*> argv{const_cast<char*>(program.constData())};
    for (const QByteArray& a : args) argv.push_back(const_cast<char*>(a.constData()));
    argv.push_back(nullptr);

    const QByteArray runtime = "XDG_RUNTIME_DIR=" + privateDir.path().toUtf8();
    const QByteArray config = "XDG_CONFIG_HOME=" + privateDir.path().toUtf8() + "/config";
    std::vector<char*> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "XDG_RUNTIME_DIR=", 16) != 0 && std::strncmp(*e, "XDG_CONFIG_HOME=", 16) != 0)
            env.push_back(*e);
    env.push_back(const_cast<char*>(runtime.constData()));
    env.push_back(const_cast<char*>(config.constData()));
    env.push_back(nullptr);

    if (posix_spawn(&child.pid, program.constData(), &actions, nullptr, argv.data(), env.data()) != 0) child.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(outPipe[1]);
    close(errPipe[1]);
    child.outFd = outPipe[0];
    child.errFd = errPipe[0];
    return child;
}

// Reads both outputs to their end and waits for the child.
inline RawResult FinishRaw(RawChild child) {
    RawResult r;
    pollfd fds[2] = {{child.outFd, POLLIN, 0}, {child.errFd, POLLIN, 0}};
    QByteArray* sinks[2] = {&r.out, &r.err};
    int open = 2;
    while (open > 0) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (int k = 0; k < 2; ++k) {
            if (fds[k].fd < 0 || !(fds[k].revents & (POLLIN | POLLHUP | POLLERR))) continue;
            char buffer[4096];
            const ssize_t got = read(fds[k].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[k]->append(buffer, got);
            } else if (got == 0 || errno != EINTR) {
                close(fds[k].fd);
                fds[k].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    if (child.pid > 0 && waitpid(child.pid, &status, 0) == child.pid) {
        if (WIFEXITED(status)) r.status = WEXITSTATUS(status);
        if (WIFSIGNALED(status)) r.signal = WTERMSIG(status);
    }
    return r;
}

inline RawResult RunRaw(const QList<QByteArray>& args, const QByteArray& workDir = QByteArray()) {
    return FinishRaw(StartRaw(args, workDir));
}

// Lines of an output, without the empty piece after the last line end.
inline QList<QByteArray> RawLines(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// Names in a folder as raw bytes, sorted (QDir would re-encode names that are not UTF-8).
inline QList<QByteArray> Entries(const QByteArray& folder) {
    QList<QByteArray> names;
    DIR* dir = ::opendir(folder.constData());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..") names << name;
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}
