#include "shared/DispatchObject_win.h"

#include <gtest/gtest.h>

namespace morvane::com {
namespace {

const IID kEvents = {0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}};

// A counter with a Value property and an Add method that fires Changed(value, cancel).
class Counter : public EventSource {
  public:
    Counter() : EventSource({{L"Value", 1}, {L"Add", 2}}, kEvents) {}
    long value = 0;
    bool cancelled = false;

  private:
    HRESULT Call(DISPID id, WORD flags, const std::vector<VARIANT*>& args,
                 VARIANT* result) override {
        if (id == 1 && (flags & DISPATCH_PROPERTYGET)) {
            result->vt = VT_I4;
            result->lVal = value;
            return S_OK;
        }
        if (id == 2 && args.size() == 1 && args[0]->vt == VT_I4) {
            value += args[0]->lVal;
            VARIANT_BOOL cancel = VARIANT_FALSE;
            std::vector<com::Variant> eventArgs;
            eventArgs.push_back(com::Variant::Int(value));
            eventArgs.push_back(com::Variant::BoolRef(&cancel));
            Fire(7, eventArgs);
            cancelled = cancel != VARIANT_FALSE;
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }
};

// Records each event's first argument and sets the by-reference Cancel.
class Sink : public DispatchObject {
  public:
    Sink() : DispatchObject({}) {}
    std::vector<long> seen;
    IConnectionPoint* point = nullptr;
    DWORD cookie = 0;
    bool unadviseWhenCalled = false;

  private:
    HRESULT Call(DISPID id, WORD, const std::vector<VARIANT*>& args, VARIANT*) override {
        if (id != 7 || args.size() != 2 || args[1]->vt != (VT_BOOL | VT_BYREF)) {
            return DISP_E_MEMBERNOTFOUND;
        }
        seen.push_back(args[0]->lVal);
        *args[1]->pboolVal = VARIANT_TRUE;
        if (unadviseWhenCalled) {
            point->Unadvise(cookie);
        }
        return S_OK;
    }
};

TEST(DispatchObject, MembersByNameAndId) {
    auto counter = Make<Counter>();
    DISPID id = 0;
    ASSERT_EQ(com::DispIdOf(counter.Get(), L"add", id), S_OK);
    EXPECT_EQ(id, 2);
    EXPECT_EQ(com::DispIdOf(counter.Get(), L"Missing", id), DISP_E_UNKNOWNNAME);
    ASSERT_EQ(
        com::InvokeByName(counter.Get(), L"Add", DISPATCH_METHOD, {com::Variant::Int(5)}, nullptr),
        S_OK);
    com::Variant value;
    ASSERT_EQ(com::Invoke(counter.Get(), 1, DISPATCH_PROPERTYGET, {}, &value), S_OK);
    long n = 0;
    ASSERT_TRUE(value.ToInt(n));
    EXPECT_EQ(n, 5);
    EXPECT_EQ(com::Invoke(counter.Get(), 99, DISPATCH_METHOD, {}, nullptr), DISP_E_MEMBERNOTFOUND);
}

TEST(EventSource, SinksReceiveArgumentsInOrderAndCanCancel) {
    auto counter = Make<Counter>();
    auto sink = Make<Sink>();
    auto container = counter.As<IConnectionPointContainer>();
    ASSERT_TRUE(container);
    com::ComPtr<IConnectionPoint> point;
    ASSERT_EQ(container->FindConnectionPoint(kEvents, point.Put()), S_OK);
    EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, point.Put()), CONNECT_E_NOCONNECTION);
    ASSERT_EQ(container->FindConnectionPoint(kEvents, point.Put()), S_OK);
    DWORD cookie = 0;
    ASSERT_EQ(point->Advise(sink.Get(), &cookie), S_OK);

    com::Invoke(counter.Get(), 2, DISPATCH_METHOD, {com::Variant::Int(3)}, nullptr);
    EXPECT_EQ(sink->seen, std::vector<long>{3});
    EXPECT_TRUE(counter->cancelled);

    ASSERT_EQ(point->Unadvise(cookie), S_OK);
    EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
    com::Invoke(counter.Get(), 2, DISPATCH_METHOD, {com::Variant::Int(1)}, nullptr);
    EXPECT_EQ(sink->seen.size(), 1u);
    EXPECT_FALSE(counter->cancelled);
}

TEST(EventSource, SinkMayDisconnectWhileCalled) {
    auto counter = Make<Counter>();
    auto first = Make<Sink>();
    auto second = Make<Sink>();
    com::ComPtr<IConnectionPoint> point;
    counter.As<IConnectionPointContainer>()->FindConnectionPoint(kEvents, point.Put());
    first->point = point.Get();
    first->unadviseWhenCalled = true;
    ASSERT_EQ(point->Advise(first.Get(), &first->cookie), S_OK);
    ASSERT_EQ(point->Advise(second.Get(), &second->cookie), S_OK);
    com::Invoke(counter.Get(), 2, DISPATCH_METHOD, {com::Variant::Int(2)}, nullptr);
    com::Invoke(counter.Get(), 2, DISPATCH_METHOD, {com::Variant::Int(2)}, nullptr);
    EXPECT_EQ(first->seen, std::vector<long>{2});
    EXPECT_EQ(second->seen, (std::vector<long>{2, 4}));
    EXPECT_EQ(counter->SinkCount(), 1u);
}

}  // namespace
}  // namespace morvane::com
