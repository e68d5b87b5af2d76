#include "tests/display/TmuxSession.h"

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace terminaltest {
namespace {

// Columns of a UTF-8 line up to a byte offset.
int columnsBefore(const std::string& line, size_t offset) {
    int columns = 0;
    for (size_t i = 0; i < offset; ++i) {
        columns += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80 ? 1 : 0;
    }
    return columns;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

} // namespace

CommandResult runCommand(const std::vector<std::string>& arguments) {
    // Everything the child needs is made before the fork: after it, only calls that are safe
    // in a copy of a threaded process.
    std::vector<char*> argv;
    for (const auto& a : arguments) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) {
        return {};
    }
    pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    CommandResult result;
    char buffer[4096];
    ssize_t got;
    while ((got = read(out[0], buffer, sizeof buffer)) > 0) {
        result.output.append(buffer, static_cast<size_t>(got));
    }
    close(out[0]);
    int status = 0;
    if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        result.status = WEXITSTATUS(status);
    }
    return result;
}

bool tmuxAvailable() {
    return runCommand({"tmux", "-V"}).status == 0;
}

bool screenHas(const std::vector<std::string>& screen, const std::string& text) {
    for (const auto& line : screen) {
        if (line.find(text) != std::string::npos) {
            return true;
        }
    }
    return false;
}

std::chrono::seconds TmuxSession::waitLimit() {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return std::chrono::seconds(40);
#else
    return std::chrono::seconds(20);
#endif
}

TmuxSession::TmuxSession(const std::string& shellCommand, int columns, int rows) {
    // A server of its own, on a socket in a folder of its own and without the user's
    // configuration, so that tests never meet and leave nothing behind.
    char folder[] = "/tmp/skarvel-tmux-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        return;
    }
    folder_ = folder;
    socket_ = folder_ + "/server";
    started_ = tmux({"-f", "/dev/null", "new-session", "-d", "-x", std::to_string(columns), "-y",
                     std::to_string(rows), "-s", "test", shellCommand})
                   .status == 0;
    if (started_) {
        tmux({"set-option", "-g", "remain-on-exit", "on"});
        tmux({"set-option", "-g", "escape-time", "0"});
    }
}

TmuxSession::~TmuxSession() {
    if (folder_.empty()) {
        return;
    }
    tmux({"kill-server"});
    unlink(socket_.c_str());
    rmdir(folder_.c_str());
}

CommandResult TmuxSession::tmux(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), {"tmux", "-S", socket_});
    return runCommand(arguments);
}

void TmuxSession::keys(const std::vector<std::string>& names) {
    std::vector<std::string> arguments{"send-keys", "-t", "test"};
    arguments.insert(arguments.end(), names.begin(), names.end());
    tmux(arguments);
}

void TmuxSession::bytes(const std::string& raw) {
    tmux({"send-keys", "-t", "test", "-l", raw});
}

void TmuxSession::click(int col, int row) {
    std::string at = std::to_string(col + 1) + ";" + std::to_string(row + 1);
    bytes("\x1b[<0;" + at + "M\x1b[<0;" + at + "m");
}

std::vector<std::string> TmuxSession::screen() {
    return linesOf(tmux({"capture-pane", "-p", "-t", "test"}).output);
}

std::string TmuxSession::paneFormat(const std::string& format) {
    std::string value = tmux({"display-message", "-p", "-t", "test", format}).output;
    while (!value.empty() && value.back() == '\n') {
        value.pop_back();
    }
    return value;
}

void TmuxSession::resize(int columns, int rows) {
    tmux(
        {"resize-window", "-t", "test", "-x", std::to_string(columns), "-y", std::to_string(rows)});
}

bool TmuxSession::waitFor(const std::function<bool(const std::vector<std::string>&)>& condition) {
    auto end = std::chrono::steady_clock::now() + waitLimit();
    while (std::chrono::steady_clock::now() < end) {
        if (condition(screen())) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50)); // between two looks only
    }
    return false;
}

bool TmuxSession::waitForText(const std::string& text) {
    return waitFor([&](const auto& lines) { return screenHas(lines, text); });
}

bool TmuxSession::waitForNoText(const std::string& text) {
    return waitFor([&](const auto& lines) { return !screenHas(lines, text); });
}

std::pair<int, int> TmuxSession::find(const std::string& text) {
    auto lines = screen();
    for (size_t row = 0; row < lines.size(); ++row) {
        size_t at = lines[row].find(text);
        if (at != std::string::npos) {
            return {columnsBefore(lines[row], at), static_cast<int>(row)};
        }
    }
    return {-1, -1};
}

bool TmuxSession::clickText(const std::string& text) {
    auto [col, row] = find(text);
    if (col < 0) {
        return false;
    }
    click(col + columnsBefore(text, text.size()) / 2, row);
    return true;
}

} // namespace terminaltest
