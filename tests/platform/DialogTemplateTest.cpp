// Dialog templates in their binary form.

#include "platform/win/DialogTemplate.h"
#include "platform/win/Win32.h"

#include <gtest/gtest.h>

#include <cstring>

using platform::DialogItem;
using platform::DialogTemplateData;

TEST(DialogTemplate, WhatIsWrittenReadsBackTheSame) {
    DialogTemplateData dialog;
    dialog.style = WS_POPUP | WS_CAPTION | DS_SETFONT;
    dialog.x = 3;
    dialog.y = 4;
    dialog.cx = 287;
    dialog.cy = 247;
    dialog.caption = "A -- caption (odd length)";
    dialog.pointSize = 9;
    dialog.faceName = "Face";
    dialog.items = {
        {WS_CHILD | BS_PUSHBUTTON, 0, 1, 2, 50, 14, 1, "Button", "Exit", {}},
        {WS_CHILD | SS_ICON, 0, 11, 17, 20, 20, 0xFFFF, "Static", "", WORD{128}},
        {WS_CHILD | ES_LEFT, WS_EX_APPWINDOW, 193, 132, 47, 14, 1032, "Edit", "", {}},
        {WS_CHILD, 0, 0, 0, 5, 5, 7, "Static", "x", {}},
    };
    auto bytes = platform::writeDialogTemplate(dialog);
    auto back = platform::readDialogTemplate(bytes.data(), bytes.size());
    ASSERT_TRUE(back);
    EXPECT_EQ(back->style, dialog.style);
    EXPECT_EQ(back->caption, dialog.caption);
    EXPECT_EQ(back->pointSize, 9);
    EXPECT_EQ(back->faceName, "Face");
    EXPECT_EQ(back->cx, 287);
    ASSERT_EQ(back->items.size(), dialog.items.size());
    for (size_t i = 0; i < dialog.items.size(); ++i) {
        const DialogItem& a = dialog.items[i];
        const DialogItem& b = back->items[i];
        EXPECT_EQ(std::tie(a.style, a.exStyle, a.x, a.y, a.cx, a.cy, a.id, a.windowClass, a.title, a.titleOrdinal),
                  std::tie(b.style, b.exStyle, b.x, b.y, b.cx, b.cy, b.id, b.windowClass, b.title, b.titleOrdinal))
            << "item " << i;
    }
}

TEST(DialogTemplate, FormsItDoesNotTakeAreRefused) {
    DialogTemplateData dialog;
    dialog.items = {{WS_CHILD, 0, 0, 0, 5, 5, 1, "Button", "OK", {}}};
    auto bytes = platform::writeDialogTemplate(dialog);
    EXPECT_FALSE(platform::readDialogTemplate(bytes.data(), bytes.size() - 4)) << "cut short";

    std::vector<BYTE> extended = bytes;
    const DWORD extendedSignature = 0xFFFF0001;
    std::memcpy(extended.data(), &extendedSignature, sizeof extendedSignature);
    EXPECT_FALSE(platform::readDialogTemplate(extended.data(), extended.size()));
    EXPECT_FALSE(platform::readDialogTemplate(nullptr));
}
