#include "platform/win/Help.h"

#include "platform/win/Constants.h"
#include "platform/win/LastError.h"
#include "platform/win/User32.h"

#include <mutex>

namespace platform {
namespace {
std::mutex mutex;
HelpRequest last;
} // namespace

HelpRequest lastHelpRequest() {
    std::lock_guard lock(mutex);
    return last;
}

} // namespace platform

using namespace platform;

BOOL WINAPI WinHelpA(HWND hWndMain, LPCSTR lpszHelp, UINT uCommand, ULONG_PTR dwData) {
    {
        std::lock_guard lock(mutex);
        last = {hWndMain, lpszHelp != nullptr ? lpszHelp : "", uCommand, dwData};
    }
    return fail(ERROR_FILE_NOT_FOUND);
}
