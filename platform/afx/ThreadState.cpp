#include "platform/afx/ThreadState.h"

AfxThreadState& afxThreadState() {
    thread_local AfxThreadState state;
    return state;
}
