// Starting programs and waiting for them on POSIX. Each child gets a reaper
// thread that collects its exit at once, so no zombie is left even when
// nobody waits; waiting means waiting for that thread's word.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "platform/CaseFold.h"
#include "platform/CodePage1252.h"
#include "platform/CommandLine.h"
#include "platform/PosixErrors.h"
#include "platform/PosixPlatform.h"
#include "platform/WindowsPath.h"

extern char** environ;

namespace qv::platform {

struct PosixPlatform::Child {
    explicit Child(pid_t p) : pid(p) {}
    pid_t pid;
    bool reaper = false;  // a thread is collecting its exit
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
};

namespace {

bool EndsWithExe(const std::string& name) {
    return name.size() > 4 && EqualCaseBlind(name.substr(name.size() - 4), ".exe");
}

bool IsProgram(const std::string& host, const struct stat& st) {
    return S_ISREG(st.st_mode) && access(host.c_str(), X_OK) == 0;
}

void Reap(pid_t pid) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace

bool PosixPlatform::Ended(Child& child) {
    std::lock_guard<std::mutex> lock(child.mutex);
    return child.done;
}

Result<std::string> PosixPlatform::findProgram(const std::string& word) {
    std::vector<std::string> names{word};
    if (EndsWithExe(word)) names.push_back(word.substr(0, word.size() - 4));
    // Host paths and names below are the host's (UTF-8) spelling.
    auto hostForm = [](const std::string& text) {
        std::string host;
        return Cp1252ToUtf8(text, host) ? host : "";
    };
    const bool windowsPath = word.find('\\') != std::string::npos || word.find(':') != std::string::npos;
    const bool hostPathGiven = !windowsPath && word.find('/') != std::string::npos;
    bool notAProgram = false;
    for (const auto& name : names) {
        if (windowsPath) {
            HostTarget t = resolver_.resolve(name);
            if (t.exists && IsProgram(t.host, t.st)) return t.host;
            notAProgram = notAProgram || (t.exists && S_ISREG(t.st.st_mode));
            continue;
        }
        const std::string host = hostForm(name);
        if (host.empty()) continue;
        if (hostPathGiven) {
            struct stat st {};
            const bool found = stat(host.c_str(), &st) == 0;
            if (found && IsProgram(host, st)) return host;
            notAProgram = notAProgram || (found && S_ISREG(st.st_mode));
            continue;
        }
        std::vector<std::string> folders{"."};
        const char* path = std::getenv("PATH");
        std::string list = path ? path : "/usr/local/bin:/usr/bin:/bin";
        std::size_t start = 0;
        while (start <= list.size()) {
            std::size_t end = list.find(':', start);
            if (end == std::string::npos) end = list.size();
            std::string folder = list.substr(start, end - start);
            folders.push_back(folder.empty() ? "." : folder);
            start = end + 1;
        }
        for (const auto& folder : folders) {
            struct stat st {};
            std::string found = resolver_.findInHostFolder(folder, host, st);
            if (!found.empty() && IsProgram(found, st)) return found.find('/') == std::string::npos ? "./" + found : found;
        }
    }
    if (notAProgram) return FailStatus(word, "not a program the system can start", ErrorKind::Denied);
    return FailStatus(word, "no such program", ErrorKind::NotFound);
}

Result<std::int64_t> PosixPlatform::startProgram(const std::string& commandLine, WindowState /*state*/,
                                                 const std::string& outputFile) {
    for (auto it = children_.begin(); it != children_.end();)
        it = Ended(*it->second) ? children_.erase(it) : std::next(it);
    std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty()) return FailStatus(commandLine, "no program named", ErrorKind::NotFound);
    // The child would see each word cut at a NUL.
    for (const std::string& word : words)
        if (HasControlCharacter(word)) return ControlCharacterStatus(word);
    Result<std::string> found = findProgram(words[0]);
    if (!found.ok()) return found.status();
    std::string program = *found;
    std::string output;
    if (!outputFile.empty()) {
        const HostTarget target = resolver_.resolve(outputFile);
        if (!target.mapped) return RefusedStatus(outputFile, target.refusal);
        output = target.host;
    }
    // Windows paths among the arguments become host paths a host tool can open.
    std::vector<std::string> args{program};
    for (std::size_t i = 1; i < words.size(); ++i) {
        std::string mapped = LooksLikeDrivePath(words[i]) ? resolver_.hostPath(words[i]) : "";
        args.push_back(mapped.empty() ? words[i] : mapped);
    }
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    if (int rc = posix_spawn_file_actions_init(&actions); rc != 0) return ErrnoStatus(words[0], rc);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    if (!output.empty()) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    }
    pid_t pid = 0;
    // glibc reports a failed exec here rather than through an exit code.
    int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0 || pid <= 0) return ErrnoStatus(words[0], rc != 0 ? rc : EINVAL);

    auto child = std::make_shared<Child>(pid);
    try {
        std::thread([child] {
            Reap(child->pid);
            std::lock_guard<std::mutex> lock(child->mutex);
            child->done = true;
            child->ended.notify_all();
        }).detach();
        child->reaper = true;
    } catch (const std::system_error&) {
        // No thread to spare: waitForProcess reaps it itself.
    }
    children_[pid] = child;
    return static_cast<std::int64_t>(pid);
}

ProcessHandle PosixPlatform::openProcess(std::int64_t processId) {
    return children_.count(static_cast<pid_t>(processId)) ? static_cast<ProcessHandle>(processId) : 0;
}

void PosixPlatform::waitForProcess(ProcessHandle handle) {
    auto it = children_.find(static_cast<pid_t>(handle));
    if (it == children_.end()) return;
    std::shared_ptr<Child> child = it->second;
    std::unique_lock<std::mutex> lock(child->mutex);
    if (child->reaper) {
        child->ended.wait(lock, [&] { return child->done; });
    } else if (!child->done) {
        Reap(child->pid);
        child->done = true;
    }
}

void PosixPlatform::closeProcess(ProcessHandle handle) {
    auto it = children_.find(static_cast<pid_t>(handle));
    if (it != children_.end() && Ended(*it->second)) children_.erase(it);
}

}  // namespace qv::platform
