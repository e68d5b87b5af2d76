#include "platform/afx/CmdTarget.h"

BOOL CCmdTarget::OnCmdMsg(UINT id, UINT code) {
    if (const MessageEntry* entry = findEntry(WM_COMMAND, code, id)) {
        entry->handler(*this, 0, 0);
        return TRUE;
    }
    return FALSE;
}

const MessageMap* CCmdTarget::thisMessageMap() {
    static const MessageMap map{nullptr, {}};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const { return thisMessageMap(); }

const MessageEntry* CCmdTarget::findEntry(UINT message, UINT code, UINT id) const {
    for (const MessageMap* map = GetMessageMap(); map != nullptr; map = map->base) {
        for (const MessageEntry& entry : map->entries) {
            if (entry.message != message) {
                continue;
            }
            if (message != WM_COMMAND || (entry.code == code && id >= entry.firstId && id <= entry.lastId)) {
                return &entry;
            }
        }
    }
    return nullptr;
}
