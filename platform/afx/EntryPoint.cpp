// The program's entry point on this platform, in place of the framework's WinMain: it opens a
// display for the window thread and runs the application object.

#include "platform/afx/WinApp.h"
#include "platform/display/OpenDisplay.h"

#include <cstdio>
#include <cstring>

int main(int, char** argv) {
    std::string why;
    auto display = platform::openDisplay(why);
    if (!display) {
        const char* name = std::strrchr(argv[0], '/');
        std::fprintf(stderr, "%s: %s\n", name != nullptr ? name + 1 : argv[0], why.c_str());
        return 1;
    }
    platform::setDisplay(display.get());
    int code = AfxWinMain();
    platform::setDisplay(nullptr);
    return code;
}
