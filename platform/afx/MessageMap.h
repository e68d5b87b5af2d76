#pragma once
// Routing tables: each class of the framework and of the program lists the messages and
// commands it handles; a message that no table of a class or of its bases takes goes to the
// window's default processing.

#include "platform/win/Win32.h"

#include <functional>
#include <vector>

class CCmdTarget;

struct MessageEntry {
    UINT message;
    UINT code;    // WM_COMMAND only: the notification code (BN_CLICKED for a click)
    UINT firstId; // WM_COMMAND only: the ids it takes
    UINT lastId;
    std::function<LRESULT(CCmdTarget&, WPARAM, LPARAM)> handler;
};

struct MessageMap {
    const MessageMap* base;
    std::vector<MessageEntry> entries;
};

// Entries bound to member functions, one per kind of handler.
namespace route {

// A command: a button's click, or a menu or keyboard command with that id.
template <class T> MessageEntry command(UINT id, void (T::*handler)()) {
    return {WM_COMMAND, BN_CLICKED, id, id, [handler](CCmdTarget& target, WPARAM, LPARAM) {
                (static_cast<T&>(target).*handler)();
                return LRESULT{0};
            }};
}

// Any message, with its two parameters and its result.
template <class T> MessageEntry message(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    return {message, 0, 0, 0, [handler](CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
                return (static_cast<T&>(target).*handler)(wParam, lParam);
            }};
}

template <class T> MessageEntry timer(void (T::*handler)(UINT_PTR)) {
    return {WM_TIMER, 0, 0, 0, [handler](CCmdTarget& target, WPARAM wParam, LPARAM) {
                (static_cast<T&>(target).*handler)(wParam);
                return LRESULT{0};
            }};
}

template <class T> MessageEntry sysCommand(void (T::*handler)(UINT, LPARAM)) {
    return {WM_SYSCOMMAND, 0, 0, 0, [handler](CCmdTarget& target, WPARAM wParam, LPARAM lParam) {
                (static_cast<T&>(target).*handler)(static_cast<UINT>(wParam), lParam);
                return LRESULT{0};
            }};
}

template <class T> MessageEntry paint(void (T::*handler)()) {
    return {WM_PAINT, 0, 0, 0, [handler](CCmdTarget& target, WPARAM, LPARAM) {
                (static_cast<T&>(target).*handler)();
                return LRESULT{0};
            }};
}

template <class T> MessageEntry queryDragIcon(HCURSOR (T::*handler)()) {
    return {WM_QUERYDRAGICON, 0, 0, 0, [handler](CCmdTarget& target, WPARAM, LPARAM) {
                return reinterpret_cast<LRESULT>((static_cast<T&>(target).*handler)());
            }};
}

template <class T> MessageEntry helpInfo(BOOL (T::*handler)(HELPINFO*)) {
    return {WM_HELP, 0, 0, 0, [handler](CCmdTarget& target, WPARAM, LPARAM lParam) {
                return LRESULT{(static_cast<T&>(target).*handler)(reinterpret_cast<HELPINFO*>(lParam))};
            }};
}

} // namespace route
