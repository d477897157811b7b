#pragma once

// A program started by a benchmark, with its standard output read line by
// line and, once it has ended, the most memory it ever had resident.

#include <string>
#include <sys/types.h>
#include <vector>

class ChildProcess {
public:
    // Starts the program with this process's environment plus `extraEnvironment`
    // ("NAME=value" each).
    ChildProcess(const std::vector<std::string>& arguments,
                 const std::vector<std::string>& extraEnvironment);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Waits for a line equal to `line`; false when the program ends or the
    // time runs out first.
    bool waitForLine(const std::string& line, int timeoutMs);
    // Waits for a line beginning with `prefix` and returns the rest of it;
    // empty when none came in time.
    std::string readLine(const std::string& prefix, int timeoutMs);

    struct Ending {
        int exitCode = -1; // -1 when it was killed or ended by a signal
        long peakResidentKb = 0;
    };
    // Waits for the program to end; kills it when the time runs out.
    Ending wait(int timeoutMs);
    void kill();

private:
    // The next whole line of output, or false at the end of the output or time.
    bool nextLine(std::string* line, int timeoutMs);

    pid_t pid_ = -1;
    int output_ = -1;
    std::string pending_;
    bool ended_ = false;
    Ending ending_;
};
