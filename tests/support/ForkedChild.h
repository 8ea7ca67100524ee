// A second program beside the test: runs a function in a forked child process
// and hands back the text it returned, marked when the child did not end well.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace qv::test {

inline std::string InChild(const std::function<std::string()>& run) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) return "no pipe";
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipeFds[0]);
        const std::string text = run();
        const ssize_t put = write(pipeFds[1], text.data(), text.size());
        _exit(put == static_cast<ssize_t>(text.size()) ? 0 : 1);  // no test teardown in the child
    }
    close(pipeFds[1]);
    std::string text;
    char buffer[512];
    for (ssize_t got; pid > 0 && (got = read(pipeFds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, got);
    close(pipeFds[0]);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return "no child";
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? text : text + "\n(the child ended abnormally)";
}

/// The id of a process that has ended, as a crashed program leaves it.
inline pid_t EndedProcessId() {
    const pid_t pid = fork();
    if (pid == 0) _exit(0);
    waitpid(pid, nullptr, 0);
    return pid;
}

}  // namespace qv::test
