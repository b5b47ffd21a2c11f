#include "shared/Com_win.h"

#include <gtest/gtest.h>

#include "shared/DispatchObject_win.h"

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

// One member (1) that fails as it is told, filling the caller's exception information as an
// automation object does.
class Refusing final : public DispatchObject {
  public:
    Refusing(HRESULT hr, const wchar_t* description, SCODE scode, bool deferred)
        : DispatchObject({{L"Act", 1}}),
          hr_(hr),
          description_(description),
          scode_(scode),
          deferred_(deferred) {}

    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO* info,
                        UINT*) override {
        if (hr_ == DISP_E_EXCEPTION && info) {
            info->scode = scode_;
            if (deferred_) {
                info->pfnDeferredFillIn = FillIn;
            } else if (description_) {
                info->bstrDescription = SysAllocString(description_);
            }
        }
        return hr_;
    }

  private:
    static HRESULT STDAPICALLTYPE FillIn(EXCEPINFO* info) {
        info->bstrDescription = SysAllocString(L"Filled in when asked.");
        return S_OK;
    }
    HRESULT Call(DISPID, WORD, const std::vector<VARIANT*>&, VARIANT*) override { return S_OK; }

    HRESULT hr_;
    const wchar_t* description_;
    SCODE scode_;
    bool deferred_;
};

TEST(InvokeDescribed, SaysWhyACallFailed) {
    const HRESULT denied = HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED);
    struct Case {
        const char* name;
        HRESULT hr;
        const wchar_t* description;
        SCODE scode;
        bool deferred;
        std::wstring expected;
    };
    const Case cases[] = {
        {"the object's description", DISP_E_EXCEPTION, L"The file is read-only.", 0, false,
         L"The file is read-only."},
        {"a description filled in later", DISP_E_EXCEPTION, nullptr, 0, true,
         L"Filled in when asked."},
        {"only the object's code", DISP_E_EXCEPTION, nullptr, denied, false,
         SystemErrorText(denied)},
        {"an empty description", DISP_E_EXCEPTION, L"", denied, false, SystemErrorText(denied)},
        {"a plain failure", denied, nullptr, 0, false, SystemErrorText(denied)},
        {"success", S_OK, nullptr, 0, false, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto object = Make<Refusing>(c.hr, c.description, c.scode, c.deferred);
        std::wstring error;
        EXPECT_EQ(InvokeDescribed(object.Get(), 1, DISPATCH_METHOD, {}, nullptr, error), c.hr);
        EXPECT_EQ(error, c.expected);
    }
}

TEST(SystemErrorText, GivesTheSystemsWordsOrTheCode) {
    const std::wstring denied = SystemErrorText(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED));
    EXPECT_FALSE(denied.empty());
    EXPECT_FALSE(denied.starts_with(L"Error 0x")) << testing::PrintToString(denied);
    EXPECT_FALSE(denied.ends_with(L"\n"));
    EXPECT_EQ(SystemErrorText(static_cast<HRESULT>(0xA0041234)), L"Error 0xA0041234");
    // Basic's run-time errors, as the file system object raises them.
    EXPECT_EQ(SystemErrorText(MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 53)),
              L"File not found");
    EXPECT_EQ(SystemErrorText(MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, 70)),
              L"Permission denied");
}

}  // namespace
}  // namespace morvane::com
