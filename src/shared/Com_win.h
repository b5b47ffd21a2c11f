#pragma once
// RAII for COM references, BSTRs and VARIANTs, and late-bound calls by dispatch id or name.

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvane::com {

template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    ComPtr(std::nullptr_t) {}
    // Takes a new reference of its own.
    explicit ComPtr(T* p) : p_(p) {
        if (p_) {
            p_->AddRef();
        }
    }
    ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComPtr() { Reset(); }

    // Adopts a reference the caller already owns.
    static ComPtr Attach(T* p) {
        ComPtr result;
        result.p_ = p;
        return result;
    }
    void Reset() {
        if (T* p = std::exchange(p_, nullptr)) {
            p->Release();
        }
    }
    // For out parameters: releases what is held and hands out the slot.
    T** Put() {
        Reset();
        return &p_;
    }
    // Hands the reference over, as an out parameter takes it.
    T* Detach() { return std::exchange(p_, nullptr); }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    template <typename U>
    ComPtr<U> As() const {
        ComPtr<U> result;
        if (p_) {
            p_->QueryInterface(__uuidof(U), reinterpret_cast<void**>(result.Put()));
        }
        return result;
    }

  private:
    T* p_ = nullptr;
};

class Bstr {
  public:
    Bstr() = default;
    explicit Bstr(const std::wstring& text)
        : b_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept : b_(std::exchange(other.b_, nullptr)) {}
    ~Bstr() { SysFreeString(b_); }

    BSTR Get() const { return b_; }
    BSTR* Put() {
        SysFreeString(std::exchange(b_, nullptr));
        return &b_;
    }
    // Hands the string to a caller that will free it.
    BSTR Detach() { return std::exchange(b_, nullptr); }
    std::wstring Text() const { return b_ ? std::wstring(b_, SysStringLen(b_)) : std::wstring(); }

  private:
    BSTR b_ = nullptr;
};

class Variant {
  public:
    Variant() { VariantInit(&v_); }
    Variant(const Variant& other) : Variant() { VariantCopy(&v_, const_cast<VARIANT*>(&other.v_)); }
    Variant& operator=(const Variant& other) {
        if (this != &other) {
            VariantCopy(&v_, const_cast<VARIANT*>(&other.v_));
        }
        return *this;
    }
    Variant(Variant&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }
    ~Variant() { VariantClear(&v_); }

    static Variant Int(long value);
    static Variant Bool(bool value);
    static Variant Text(const std::wstring& value);
    static Variant Object(IDispatch* value);
    // A by-reference Boolean, as events pass Cancel.
    static Variant BoolRef(VARIANT_BOOL* value);
    // An omitted optional argument, as late-bound callers pass one before a given argument.
    static Variant Missing();

    VARIANT* Get() { return &v_; }
    const VARIANT* Get() const { return &v_; }

    // Conversions that fail quietly: false when the value cannot be converted.
    bool ToInt(long& out) const;
    bool ToBool(bool& out) const;
    bool ToText(std::wstring& out) const;
    ComPtr<IDispatch> ToObject() const;

  private:
    VARIANT v_;
};

// CoInitialize for the life of the scope (tests and programs; the host does it for the add-in).
class Apartment {
  public:
    Apartment() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;
    ~Apartment() {
        if (SUCCEEDED(hr_)) {
            CoUninitialize();
        }
    }

  private:
    HRESULT hr_;
};

// Calls a member late-bound. `args` are in natural order (they are reversed for DISPPARAMS).
// `flags` is DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT or a combination. A
// failure is traced under `call` (such as "Application.Version"), or the member's id without it.
HRESULT Invoke(IDispatch* object, DISPID id, WORD flags, const std::vector<Variant>& args,
               Variant* result, std::wstring_view call = {});
HRESULT InvokeByName(IDispatch* object, const std::wstring& name, WORD flags,
                     const std::vector<Variant>& args, Variant* result);
HRESULT DispIdOf(IDispatch* object, const std::wstring& name, DISPID& id);

// As Invoke; when the call fails, `error` receives why: the object's own description from its
// exception information, else the system's text for the failure code.
HRESULT InvokeDescribed(IDispatch* object, DISPID id, WORD flags, const std::vector<Variant>& args,
                        Variant* result, std::wstring& error, std::wstring_view call = {});

// The system's text for a failure code, without the line break; for a Basic run-time error of an
// automation object (file not found, permission denied), its Basic words; "Error 0x..." when
// there are none.
std::wstring SystemErrorText(HRESULT hr);

}  // namespace morvane::com
