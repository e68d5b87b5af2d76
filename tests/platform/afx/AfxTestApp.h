#pragma once
// An application object for framework tests: its start-up runs a test dialog, registered as
// dialog resource 900, and records how it ended.

#include "platform/afx/Afx.h"
#include "platform/afx/FrameworkStrings.h"
#include "tests/support/Harness.h"
#include "tests/support/TestDialogs.h"

#include <functional>
#include <optional>

constexpr UINT testDialogId = 900;

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(testDialogId) {}

    // The exchange the test wants, and the commands the dialog saw.
    std::function<void(CDataExchange*)> exchange;
    std::vector<harness::Command> commands;
    CStatic field;

    void DoDataExchange(CDataExchange* dx) override {
        if (exchange) {
            exchange(dx);
        }
    }
    // Commands that reach routing, after the framework has dropped what it drops.
    BOOL OnCmdMsg(UINT id, UINT code) override {
        commands.push_back({static_cast<int>(id), static_cast<int>(code)});
        return CDialog::OnCmdMsg(id, code);
    }

    // A posted WM_APP runs an exchange (wParam: save), so that a message box it opens runs its
    // loop while the test goes on.
    std::optional<BOOL> postedExchangeResult;
    LRESULT onPostedExchange(WPARAM save, LPARAM) {
        postedExchangeResult = UpdateData(static_cast<BOOL>(save));
        return 0;
    }
    static const MessageMap* thisMessageMap() {
        static const MessageMap map{CDialog::thisMessageMap(), {route::message(WM_APP, &TestDialog::onPostedExchange)}};
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return thisMessageMap(); }
};

class TestApp : public CWinApp {
public:
    BOOL InitInstance() override {
        mainWindow = &dialog;
        result = dialog.DoModal();
        mainWindow = nullptr;
        return FALSE;
    }
    TestDialog dialog;
    INT_PTR result = 0;

    static const MessageMap* thisMessageMap() {
        static const MessageMap map{CWinApp::thisMessageMap(), {route::command(afxHelpCommand, &CWinApp::OnHelp)}};
        return &map;
    }
    const MessageMap* GetMessageMap() const override { return thisMessageMap(); }
};

// Registers the template as dialog resource 900.
void registerTestDialog(const harness::DialogTemplateData& data);
