#include "shared/Office_win.h"
#include <gtest/gtest.h>

TEST(OfficeInterfaces, IdentitiesAreThePublishedOnes) {
    const IID extensibility = {
        0xB65AD801, 0xABAF, 0x11D0, {0xBB, 0x8B, 0x00, 0xA0, 0xC9, 0x0F, 0x27, 0x44}};
    EXPECT_TRUE(IsEqualIID(__uuidof(IDTExtensibility2), extensibility));
    wchar_t text[40] = {};
    StringFromGUID2(__uuidof(IRibbonExtensibility), text, 40);
    EXPECT_STREQ(text, L"{000C0396-0000-0000-C000-000000000046}");
    StringFromGUID2(__uuidof(IRibbonUI), text, 40);
    EXPECT_STREQ(text, L"{000C03A7-0000-0000-C000-000000000046}");
    StringFromGUID2(__uuidof(IRibbonControl), text, 40);
    EXPECT_STREQ(text, L"{000C0395-0000-0000-C000-000000000046}");
    StringFromGUID2(morvane::office::IID_EProjectApp2, text, 40);
    EXPECT_STREQ(text, L"{5066D7C4-1ED7-48C4-ACE7-299E109D368C}");
}
