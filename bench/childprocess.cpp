#include "childprocess.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <spawn.h>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

int millisecondsLeft(Clock::time_point deadline)
{
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

} // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments,
                           const std::vector<std::string>& extraEnvironment)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    // A variable given here replaces the inherited one of the same name.
    const auto overridden = [&](const char* variable) {
        const std::string_view name(variable, std::strcspn(variable, "="));
        return std::any_of(extraEnvironment.begin(), extraEnvironment.end(),
                           [&](const std::string& extra) {
                               return extra.size() > name.size() && extra[name.size()] == '=' &&
                                      extra.compare(0, name.size(), name) == 0;
                           });
    };
    std::vector<char*> envp;
    for (char** variable = environ; *variable; ++variable) {
        if (!overridden(*variable))
            envp.push_back(*variable);
    }
    for (const std::string& variable : extraEnvironment)
        envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);

    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
        std::perror(argv[0]);
        pid_ = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    output_ = pipeEnds[0];
}

ChildProcess::~ChildProcess()
{
    kill();
    if (output_ >= 0)
        close(output_);
}

bool ChildProcess::nextLine(std::string* line, int timeoutMs)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (const auto end = pending_.find('\n'); end != std::string::npos) {
            *line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return true;
        }
        if (output_ < 0)
            return false;
        pollfd waiting{output_, POLLIN, 0};
        const int ready = poll(&waiting, 1, millisecondsLeft(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        char chunk[4096];
        const ssize_t got = read(output_, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) { // the program closed its output
            close(output_);
            output_ = -1;
            return false;
        }
        pending_.append(chunk, static_cast<std::size_t>(got));
    }
}

bool ChildProcess::waitForLine(const std::string& wanted, int timeoutMs)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string line;
    while (nextLine(&line, millisecondsLeft(deadline))) {
        if (line == wanted)
            return true;
    }
    return false;
}

std::string ChildProcess::readLine(const std::string& prefix, int timeoutMs)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    std::string line;
    while (nextLine(&line, millisecondsLeft(deadline))) {
        if (line.rfind(prefix, 0) == 0)
            return line.substr(prefix.size());
    }
    return {};
}

ChildProcess::Ending ChildProcess::wait(int timeoutMs)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!ended_ && pid_ > 0) {
        int status = 0;
        rusage usage{};
        const pid_t done = wait4(pid_, &status, WNOHANG, &usage);
        if (done == pid_) {
            ended_ = true;
            ending_.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            ending_.peakResidentKb = usage.ru_maxrss;
            break;
        }
        if (done < 0 || millisecondsLeft(deadline) == 0) {
            kill();
            break;
        }
        // Keep its output flowing, so it never blocks on a full pipe.
        std::string line;
        if (!nextLine(&line, 50))
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return ending_;
}

void ChildProcess::kill()
{
    if (pid_ <= 0 || ended_)
        return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid_, &status, 0, &usage);
    ended_ = true;
    ending_.exitCode = -1;
    ending_.peakResidentKb = usage.ru_maxrss;
}
