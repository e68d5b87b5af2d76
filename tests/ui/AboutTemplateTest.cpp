// The About box's template, 100, as the platform creates it, and the other resources that the
// panel's window uses: the application icon and the About item's text.

#include "platform/win/Resources.h"
#include "tests/ui/ResourceDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

using namespace templatecheck;

namespace {

constexpr int aboutTemplateId = 100;
constexpr int appIconId = 128;
constexpr int aboutItemTextId = 101;

TEST(AboutTemplate, BoxIsCreatedHiddenWithItsCaptionSizeAndFourControls) {
    ResourceDialog about(aboutTemplateId);
    ASSERT_TRUE(about.query([](HWND dialog) { return dialog != nullptr; }));

    auto data = registeredTemplate(aboutTemplateId);
    ASSERT_TRUE(data.has_value());
    EXPECT_EQ(data->style,
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ((Box{data->x, data->y, data->cx, data->cy}), (Box{0, 0, 235, 55}));
    EXPECT_EQ(data->pointSize, 8);
    EXPECT_EQ(data->faceName, "MS Sans Serif");

    auto [caption, visible, client] = about.query([](HWND dialog) {
        char text[64];
        GetWindowTextA(dialog, text, sizeof text);
        RECT r{};
        GetClientRect(dialog, &r);
        return std::tuple(std::string(text), IsWindowVisible(dialog) != FALSE, r);
    });
    EXPECT_EQ(caption, "About Skarvel");
    EXPECT_FALSE(visible) << "a modal run shows it once its loop is idle";
    EXPECT_EQ(client.right - client.left, MulDiv(235, 6, 4));
    EXPECT_EQ(client.bottom - client.top, MulDiv(55, 13, 8));

    expectControls(
        about.controls(),
        {
            {iconStatic, noId, "", {11, 17, 20, 20}, noMarks},
            {plainStaticText, noId, "Skarvel Version 1.0", {40, 10, 119, 8}, group},
            {staticText, noId, "DVB-T receiver card test bench", {40, 25, 119, 8}, group},
            {defaultPushButton, 1, "OK", {178, 7, 50, 14}, group | tabStop},
        });
}

TEST(AboutTemplate, IconControlShowsTheApplicationIcon) {
    ResourceDialog about(aboutTemplateId);
    auto [shown, loaded] = about.query([](HWND dialog) {
        HWND icon = GetWindow(dialog, GW_CHILD);
        return std::pair(reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)),
                         LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(appIconId)));
    });
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(shown, loaded);
}

TEST(AppResources, IconHasA32And16PixelImageAndTheAboutItemItsText) {
    const auto* images = platform::findIconResource(appIconId);
    ASSERT_NE(images, nullptr);
    ASSERT_EQ(images->size(), 2u);
    int sizes[] = {32, 16};
    for (size_t i = 0; i < 2; ++i) {
        const platform::IconImage& image = (*images)[i];
        SCOPED_TRACE(testing::Message() << "image " << i);
        EXPECT_EQ(image.width, sizes[i]);
        EXPECT_EQ(image.height, sizes[i]);
        // A row drawn too short or too long shows up as a wrong number of pixels.
        EXPECT_EQ(image.pixels.size(), static_cast<size_t>(sizes[i] * sizes[i]));
    }

    char text[64];
    EXPECT_EQ(LoadStringA(GetModuleHandleA(nullptr), aboutItemTextId, text, sizeof text), 17);
    EXPECT_STREQ(text, "&About Skarvel...");
}

} // namespace
