#pragma once
// The root of everything that handles commands: it finds a command's handler in its class's
// routing table and those of its bases.

#include "platform/afx/MessageMap.h"

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Runs the handler of command `id` with notification `code`; false when none takes it.
    virtual BOOL OnCmdMsg(UINT id, UINT code);
    virtual const MessageMap* GetMessageMap() const;
    static const MessageMap* thisMessageMap();

protected:
    // The first entry of the tables, this class's first, that takes the message.
    const MessageEntry* findEntry(UINT message, UINT code = 0, UINT id = 0) const;
};
