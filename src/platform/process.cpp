#include "platform/process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <system_error>

int SysRunProgram(const std::vector<std::string>& args, std::string& output) {
    if (args.empty()) {
        return -1;
    }
    int fds[2];
    if (pipe(fds) != 0) {
        return -1;
    }
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return -1;
    }
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        std::vector<char*> argv;
        for (const std::string& a : args) {
            argv.push_back(const_cast<char*>(a.c_str()));
        }
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(fds[1]);
    char buf[4096];
    ssize_t n = 0;
    while ((n = read(fds[0], buf, sizeof buf)) != 0) {
        if (n > 0) {
            output.append(buf, static_cast<std::size_t>(n));
        } else if (errno != EINTR) {
            break;
        }
    }
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) {
            return -1;
        }
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string SysCaptureOutput(const std::function<void()>& work) {
    std::fflush(stdout);
    std::cout.flush();
    std::FILE* sink = std::tmpfile();
    const int saved = sink != nullptr ? dup(STDOUT_FILENO) : -1;
    if (saved < 0 || dup2(fileno(sink), STDOUT_FILENO) < 0) {
        // Nowhere to divert to: the work runs and prints as usual.
        if (saved >= 0) {
            close(saved);
        }
        if (sink != nullptr) {
            std::fclose(sink);
        }
        work();
        return "";
    }
    work();
    std::fflush(stdout);
    std::cout.flush();
    dup2(saved, STDOUT_FILENO);
    close(saved);
    std::string text;
    std::rewind(sink);
    char buf[4096];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, sink)) > 0) {
        text.append(buf, n);
    }
    std::fclose(sink);
    return text;
}

std::string SysProgramPath() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}
