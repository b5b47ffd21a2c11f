#include "shared/Com_win.h"

#include <gtest/gtest.h>

namespace morvane::com {
namespace {

TEST(Variant, ConvertsQuietly) {
    long n = 0;
    EXPECT_TRUE(Variant::Text(L"42").ToInt(n));
    EXPECT_EQ(n, 42);
    n = 7;
    EXPECT_FALSE(Variant::Text(L"abc").ToInt(n));
    EXPECT_EQ(n, 7);
    std::wstring text;
    EXPECT_TRUE(Variant::Int(81).ToText(text));
    EXPECT_EQ(text, L"81");
    bool flag = false;
    EXPECT_TRUE(Variant::Int(-1).ToBool(flag));
    EXPECT_TRUE(flag);
    EXPECT_FALSE(Variant::Int(3).ToObject());
}

TEST(Invoke, PropertiesByNameOnARealObject) {
    Apartment apartment;
    const CLSID domDocument = {
        0xF6D90F11, 0x9C73, 0x11D3, {0xB3, 0x2E, 0x00, 0xC0, 0x4F, 0x99, 0x0B, 0xB4}};
    ComPtr<IDispatch> doc;
    ASSERT_EQ(CoCreateInstance(domDocument, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                               reinterpret_cast<void**>(doc.Put())),
              S_OK);
    ASSERT_EQ(
        InvokeByName(doc.Get(), L"async", DISPATCH_PROPERTYPUT, {Variant::Bool(false)}, nullptr),
        S_OK);
    Variant async;
    ASSERT_EQ(InvokeByName(doc.Get(), L"async", DISPATCH_PROPERTYGET, {}, &async), S_OK);
    bool value = true;
    ASSERT_TRUE(async.ToBool(value));
    EXPECT_FALSE(value);

    DISPID id = 0;
    EXPECT_TRUE(FAILED(DispIdOf(doc.Get(), L"NoSuchMember", id)));
    EXPECT_EQ(Invoke(nullptr, 0, DISPATCH_METHOD, {}, nullptr), E_POINTER);

    ComPtr<IDispatch> copy = doc;
    EXPECT_EQ(copy.Get(), doc.Get());
}

}  // namespace
}  // namespace morvane::com
