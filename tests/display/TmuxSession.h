#pragma once
// A terminal for end-to-end tests: a detached tmux session of a given size on a tmux server of
// its own, whose screen a test reads with capture-pane and into which it types keys and sends
// mouse reports as raw bytes. Waiting is always for something on the screen, polled within a
// generous limit, never a fixed pause.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace terminaltest {

struct CommandResult {
    int status = -1; // the exit status, or -1 when the command could not run
    std::string output;
};

// Runs a program with its arguments (no shell) and collects its standard output.
CommandResult runCommand(const std::vector<std::string>& arguments);

bool tmuxAvailable();

class TmuxSession {
public:
    // Starts `shellCommand` (run by sh) in a new session of `columns` x `rows`.
    TmuxSession(const std::string& shellCommand, int columns = 80, int rows = 24);
    ~TmuxSession();
    TmuxSession(const TmuxSession&) = delete;
    TmuxSession& operator=(const TmuxSession&) = delete;

    bool started() const { return started_; }

    // Keys by their tmux names ("Tab", "Escape", "Enter", "M-Space").
    void keys(const std::vector<std::string>& names);
    // Bytes as the terminal would send them (text, or escape sequences such as mouse reports).
    void bytes(const std::string& raw);
    // A left click at a cell, counted from 0, as an SGR press and release.
    void click(int col, int row);

    std::vector<std::string> screen();
    // A tmux format about the pane, such as "#{alternate_on}".
    std::string paneFormat(const std::string& format);
    void resize(int columns, int rows);

    // Waits until the screen satisfies `condition`; false when it does not within the limit.
    bool waitFor(const std::function<bool(const std::vector<std::string>&)>& condition);
    bool waitForText(const std::string& text);
    bool waitForNoText(const std::string& text);

    // Where `text` first stands on the screen, in cells; {-1, -1} when it is not shown.
    std::pair<int, int> find(const std::string& text);
    // Clicks the middle of the first place where `text` stands.
    bool clickText(const std::string& text);

    static std::chrono::seconds waitLimit();

private:
    CommandResult tmux(std::vector<std::string> arguments);

    std::string folder_; // holds the server's socket
    std::string socket_;
    bool started_ = false;
};

bool screenHas(const std::vector<std::string>& screen, const std::string& text);

} // namespace terminaltest
