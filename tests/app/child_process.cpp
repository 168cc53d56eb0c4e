#include "child_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

extern char** environ;

namespace heatwise::testing {
namespace {

std::vector<std::string> ChildEnvironment(const ChildSetup& setup) {
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        std::string variable(*entry);
        std::string name = variable.substr(0, variable.find('='));
        if (setup.environment.count(name) == 0) {
            variables.push_back(variable);
        }
    }
    for (const auto& [name, value] : setup.environment) {
        if (value) {
            variables.push_back(name + "=" + *value);
        }
    }
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

RunningChild StartChild(const ChildSetup& setup) {
    // Everything the child needs is made before the fork: after it, the child only changes
    // folder, redirects its output and replaces itself.
    std::vector<std::string> arguments = setup.arguments;
    std::vector<std::string> variables = ChildEnvironment(setup);
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(variables);
    std::string folder = setup.working_folder.string();
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) {
        return {};
    }
    pid_t pid = fork();
    if (pid == 0) {
        dup2(pipe_ends[1], STDOUT_FILENO);
        dup2(pipe_ends[1], STDERR_FILENO);
        close(pipe_ends[0]);
        close(pipe_ends[1]);
        if (!folder.empty() && chdir(folder.c_str()) != 0) {
            _exit(126);
        }
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(pipe_ends[1]);
    if (pid < 0) {
        close(pipe_ends[0]);
        return {};
    }
    return {pid, pipe_ends[0]};
}

FinishedChild FinishChild(RunningChild child) {
    FinishedChild finished;
    if (child.pid < 0) {
        return finished;
    }
    char buffer[4096];
    ssize_t count = 0;
    while ((count = read(child.output, buffer, sizeof buffer)) > 0) {
        finished.output.append(buffer, static_cast<std::size_t>(count));
    }
    close(child.output);
    int status = 0;
    waitpid(child.pid, &status, 0);
    if (WIFEXITED(status)) {
        finished.exit_code = WEXITSTATUS(status);
    }
    return finished;
}

FinishedChild RunChild(const ChildSetup& setup) {
    return FinishChild(StartChild(setup));
}

void KillChild(RunningChild child) {
    if (child.pid < 0) {
        return;
    }
    kill(child.pid, SIGKILL);
    FinishChild(child);
}

}  // namespace heatwise::testing
