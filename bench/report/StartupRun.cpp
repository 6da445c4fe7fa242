#include "StartupRun.h"

#include <QByteArray>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace StartupRun {

namespace {

qint64 monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// The inherited environment with the given entries added or replaced.
std::vector<QByteArray> environmentWith(const QStringList& extra)
{
    std::vector<QByteArray> result;
    for (char** e = environ; *e; ++e) {
        const QByteArray entry(*e);
        const QByteArray name = entry.left(entry.indexOf('=') + 1);
        bool replaced = false;
        for (const QString& x : extra)
            replaced = replaced || x.toLocal8Bit().startsWith(name);
        if (!replaced)
            result.push_back(entry);
    }
    for (const QString& x : extra)
        result.push_back(x.toLocal8Bit());
    return result;
}

std::vector<char*> pointers(std::vector<QByteArray>& strings)
{
    std::vector<char*> p;
    for (QByteArray& s : strings)
        p.push_back(s.data());
    p.push_back(nullptr);
    return p;
}

} // namespace

std::optional<StartupSample> Run(const QString& program, const QStringList& arguments,
                                 const QStringList& environment, int timeoutSeconds)
{
    std::vector<QByteArray> args{program.toLocal8Bit()};
    for (const QString& a : arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<QByteArray> env = environmentWith(environment);
    std::vector<char*> argv = pointers(args), envp = pointers(env);

    int out[2];
    if (pipe(out) != 0)
        return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    const qint64 start = monotonicNanoseconds();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return std::nullopt;
    }

    QByteArray output;
    const qint64 deadline = start + qint64(timeoutSeconds) * 1000000000LL;
    for (;;) {
        const qint64 left = (deadline - monotonicNanoseconds()) / 1000000;
        pollfd fd{out[0], POLLIN, 0};
        if (left <= 0 || poll(&fd, 1, int(left)) <= 0) {
            kill(pid, SIGKILL);
            break;
        }
        char buffer[4096];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0)
            break;
        output.append(buffer, n);
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);

    const qsizetype at = output.indexOf("first-paint ");
    if (at < 0)
        return std::nullopt;
    bool ok = false;
    const qint64 painted = output.mid(at + 12).trimmed().split('\n').value(0).toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return StartupSample{double(painted - start) / 1e6, double(usage.ru_maxrss) / 1024.0};
}

} // namespace StartupRun
