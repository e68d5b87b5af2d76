#pragma once
// CTuningApp: the application. Its start-up opens the receiver and runs the tuning panel; when
// the panel closes, the process ends.

#include "platform/afx/Afx.h"

class CTuningApp : public CWinApp {
public:
    CTuningApp();

    BOOL InitInstance() override;

    static const MessageMap* thisMessageMap();
    const MessageMap* GetMessageMap() const override;
};
