#!/usr/bin/python3
"""Figures of the real skarvel program in a terminal, on the simulated card.

Start-up: from starting the program under a fresh pseudo-terminal to the moment the panel's
caption and its last row of buttons have been written to it, over repeated starts.

Steady state, with the program in tmux as a user has it: the processor share of the whole
process over ten seconds of a run without lock and over ten seconds of an idle panel whose link
watch polls, and the peak resident memory of the process at the end of that session.

Usage: terminal_figures.py PATH_TO_SKARVEL
Prints one line per figure, its limit beside it; exits 1 when a figure misses its limit.
"""

import fcntl
import os
import pty
import re
import select
import signal
import struct
import subprocess
import sys
import termios
import time

COLUMNS, ROWS = 120, 40
CAPTION = "DVB-T Tuning Program"
LAST_ROW = "Minimize"
ESCAPES = re.compile(rb"\x1b(\[[0-?]*[ -/]*[@-~]|\][^\x07]*\x07|[()][0-9A-Za-z]|[=>78MDEHc])")
STARTS = 20

missed = 0


def figure(name, value, unit, limit, meaning):
    global missed
    met = value <= limit
    missed += 0 if met else 1
    print(f"{name:<40} {value:10.3f} {unit:<4} limit {limit:.3f} {unit} ({meaning})  "
          f"{'met' if met else 'MISSED'}", flush=True)


def note(text):
    print(f"    {text}", flush=True)


def give_up(what):
    print(f"terminal_figures: gave up waiting {what}", file=sys.stderr, flush=True)
    sys.exit(2)


def peak_resident_kb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def cpu_seconds(pid):
    """Processor time of every thread of the process, from the scheduler's nanosecond counts."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                total += int(schedstat.read().split()[0])
        except FileNotFoundError:
            pass  # a thread that ended meanwhile
    return total / 1e9


def one_start(program, environment):
    """Seconds from the start to the panel drawn, and the peak memory then."""
    started = time.perf_counter()
    pid, master = pty.fork()
    if pid == 0:
        try:
            fcntl.ioctl(0, termios.TIOCSWINSZ, struct.pack("HHHH", ROWS, COLUMNS, 0, 0))
            os.execve(program, [program], environment)
        finally:
            os._exit(127)  # only when the program could not be started
    output = b""
    drawn = None
    deadline = started + 5
    while drawn is None and time.perf_counter() < deadline:
        ready, _, _ = select.select([master], [], [], 0.05)
        if not ready:
            continue
        try:
            output += os.read(master, 65536)
        except OSError:
            break
        text = ESCAPES.sub(b"", output).decode("utf-8", "replace")
        if CAPTION in text and LAST_ROW in text:
            drawn = time.perf_counter() - started
    peak = peak_resident_kb(pid) if drawn is not None else 0
    os.kill(pid, signal.SIGTERM)
    end = time.perf_counter() + 3
    while time.perf_counter() < end:
        if os.waitpid(pid, os.WNOHANG)[0] == pid:
            break
        try:
            if select.select([master], [], [], 0.05)[0]:
                os.read(master, 65536)
        except OSError:
            pass
    else:
        os.kill(pid, signal.SIGKILL)
        os.waitpid(pid, 0)
    os.close(master)
    if drawn is None:
        shown = ESCAPES.sub(b"", output)[-300:].decode("utf-8", "replace")
        give_up("for the panel to be drawn; the terminal got: " + shown)
    return drawn, peak


def start_up(program, environment):
    times = []
    peaks = []
    for _ in range(STARTS):
        drawn, peak = one_start(program, environment)
        times.append(drawn * 1000)
        peaks.append(peak)
    times.sort()
    figure("terminal: start-up to panel drawn, median", times[len(times) // 2], "ms", 50,
           "from the process's start")
    figure("terminal: start-up to panel drawn, longest", times[-1], "ms", 50,
           "from the process's start")
    note(f"{STARTS} starts; fastest {times[0]:.3f} ms; peak memory at first draw "
         f"{max(peaks) / 1024:.2f} MB")


class TmuxPanel:
    """The program in a tmux window, read as text and clicked with xterm mouse reports."""

    def __init__(self, program, environment):
        self.session = f"skarvel-bench-{os.getpid()}"
        subprocess.run(["tmux", "kill-session", "-t", self.session], stderr=subprocess.DEVNULL)
        subprocess.run(["tmux", "new-session", "-d", "-s", self.session, "-x", str(COLUMNS),
                        "-y", str(ROWS), "exec env " + " ".join(
                            f"{k}={v}" for k, v in environment.items() if k.startswith("DVBTDLL"))
                        + f" {program}"], check=True)
        self.wait_for(CAPTION, "for the panel in tmux")
        self.pid = int(self.tmux("display", "-p", "-t", self.session, "#{pane_pid}").strip())

    def tmux(self, *arguments):
        return subprocess.run(["tmux", *arguments], check=True, capture_output=True,
                              text=True).stdout

    def screen(self):
        # Every row, the blank ones above the panel included, so that indices are rows.
        return self.tmux("capture-pane", "-p", "-t", self.session).split("\n")

    def wait_for(self, text, what, seconds=10):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if any(text in line for line in self.screen()):
                return
            time.sleep(0.05)
        give_up(what + "; the screen shows:\n" + "\n".join(self.screen()))

    def click(self, label, beyond=1):
        """Clicks the cell `beyond` cells to the right of where `label` starts on the screen."""
        for row, line in enumerate(self.screen()):
            column = line.find(label)
            if column >= 0:
                # Mouse reports count rows and columns from 1.
                x, y = column + beyond + 1, row + 1
                self.tmux("send-keys", "-t", self.session, "-l", f"\x1b[<0;{x};{y}M")
                self.tmux("send-keys", "-t", self.session, "-l", f"\x1b[<0;{x};{y}m")
                return
        give_up(f"for {label!r} on the screen")

    def type_frequency(self, frequency):
        self.click("Frequency: [", len("Frequency: [") + 1)
        self.tmux("send-keys", "-t", self.session, "End")
        for _ in range(12):
            self.tmux("send-keys", "-t", self.session, "BSpace")
        self.tmux("send-keys", "-t", self.session, "-l", str(frequency))

    def close(self):
        subprocess.run(["tmux", "kill-session", "-t", self.session], stderr=subprocess.DEVNULL)


def cpu_share(panel, seconds=10):
    before = cpu_seconds(panel.pid)
    started = time.monotonic()
    time.sleep(seconds)
    used = cpu_seconds(panel.pid) - before
    return 100 * used / (time.monotonic() - started)


def steady_state(program, environment):
    panel = TmuxPanel(program, environment)
    try:
        panel.type_frequency(800000)  # nothing on the air there: the run never locks
        panel.click("Tuning   ]")
        panel.wait_for("Searching ...", "for the run to start")
        time.sleep(0.5)
        figure("terminal: CPU while a run waits", cpu_share(panel), "%", 1.0, "of one core")
        panel.click("Abort   ]")
        panel.wait_for("Aborting....", "for the run to end after Abort")

        panel.type_frequency(593000)
        panel.click("[ ] Periodic Check")
        panel.click("Tuning   ]")
        panel.wait_for("Locking in Real Ch...", "for a lock on the real channel")
        time.sleep(1.5)
        figure("terminal: CPU of an idle panel, watch on", cpu_share(panel), "%", 0.2,
               "of one core")
        if not any("Locking in Real Ch..." in line for line in panel.screen()):
            give_up("for the watch to keep showing the lock")
        figure("terminal: peak resident memory", peak_resident_kb(panel.pid) / 1024, "MB", 10,
               "after both runs and the idle watch")
    finally:
        panel.close()


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        sys.exit(2)
    program = os.path.abspath(sys.argv[1])
    environment = {k: v for k, v in os.environ.items() if k != "DVBTDLL_DEVICE"}
    environment.update({"TERM": "xterm-256color", "DVBTDLL_SIM_SEED": "1"})
    start_up(program, environment)
    steady_state(program, environment)
    sys.exit(1 if missed else 0)


if __name__ == "__main__":
    main()
