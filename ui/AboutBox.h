#pragma once
// The About box, built on dialog template 100; OK, Esc and its close box end it.

#include "platform/afx/Afx.h"

class CAboutBox : public CDialog {
public:
    CAboutBox();
    ~CAboutBox() override;

    static const MessageMap* thisMessageMap();
    const MessageMap* GetMessageMap() const override;

protected:
    void DoDataExchange(CDataExchange* exchange) override;
};
