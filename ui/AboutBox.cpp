#include "ui/AboutBox.h"

#include "ui/ResourceIds.h"

CAboutBox::CAboutBox() : CDialog(resource::aboutDialog) {}

CAboutBox::~CAboutBox() = default;

void CAboutBox::DoDataExchange(CDataExchange* exchange) { CDialog::DoDataExchange(exchange); }

const MessageMap* CAboutBox::thisMessageMap() {
    static const MessageMap map{CDialog::thisMessageMap(), {}};
    return &map;
}

const MessageMap* CAboutBox::GetMessageMap() const { return thisMessageMap(); }
