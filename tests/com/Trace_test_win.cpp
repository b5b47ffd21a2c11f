#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "shared/Com_win.h"
#include "shared/DispatchObject_win.h"
#include "shared/Trace.h"

namespace morvane::com {
namespace {

// An object with one member, Value, which refuses every call.
class Refusing : public DispatchObject {
  public:
    Refusing() : DispatchObject({{L"Value", 1}}) {}

  private:
    HRESULT Call(DISPID, WORD, const std::vector<VARIANT*>&, VARIANT*) override {
        return E_ACCESSDENIED;
    }
};

class TraceTest : public ::testing::Test {
  protected:
    std::vector<std::wstring> lines;
    void SetUp() override {
        SetTraceSink([this](const std::wstring& line) { lines.push_back(line); });
    }
    void TearDown() override { SetTraceSink(nullptr); }
};

TEST_F(TraceTest, FailedCallsAreTracedWithTheirHresult) {
    auto object = Make<Refusing>();
    EXPECT_EQ(Invoke(object.Get(), 1, DISPATCH_PROPERTYGET, {}, nullptr), E_ACCESSDENIED);
    EXPECT_EQ(InvokeByName(object.Get(), L"Missing", DISPATCH_METHOD, {}, nullptr),
              DISP_E_UNKNOWNNAME);
    EXPECT_EQ(InvokeByName(object.Get(), L"Value", DISPATCH_PROPERTYGET, {}, nullptr),
              E_ACCESSDENIED);
    EXPECT_EQ(lines, (std::vector<std::wstring>{
                         L"Morvane: IDispatch::Invoke of member 1 failed, HRESULT 0x80070005",
                         L"Morvane: IDispatch::Invoke of Missing failed, HRESULT 0x80020006",
                         L"Morvane: IDispatch::Invoke of Value failed, HRESULT 0x80070005"}));
}

TEST_F(TraceTest, SucceedingCallsAreNotTraced) {
    auto object = Make<Refusing>();
    DISPID id = 0;
    EXPECT_EQ(DispIdOf(object.Get(), L"Value", id), S_OK);
    EXPECT_TRUE(lines.empty());
}

TEST_F(TraceTest, GuardedTracesWhatItStops) {
    bool ran = false;
    Guarded(L"a quiet handler", [&] { ran = true; });
    EXPECT_NO_THROW(Guarded(L"a window procedure", [] { throw std::runtime_error("boom"); }));
    EXPECT_TRUE(ran);
    EXPECT_EQ(lines, std::vector<std::wstring>{L"Morvane: a window procedure threw"});
}

}  // namespace
}  // namespace morvane::com
