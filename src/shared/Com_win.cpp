#include "shared/Com_win.h"

#include "shared/Trace.h"

namespace morvane::com {

Variant Variant::Int(long value) {
    Variant v;
    v.v_.vt = VT_I4;
    v.v_.lVal = value;
    return v;
}

Variant Variant::Bool(bool value) {
    Variant v;
    v.v_.vt = VT_BOOL;
    v.v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

Variant Variant::Text(const std::wstring& value) {
    Variant v;
    v.v_.vt = VT_BSTR;
    v.v_.bstrVal = SysAllocStringLen(value.data(), static_cast<UINT>(value.size()));
    return v;
}

Variant Variant::Object(IDispatch* value) {
    Variant v;
    v.v_.vt = VT_DISPATCH;
    v.v_.pdispVal = value;
    if (value) {
        value->AddRef();
    }
    return v;
}

Variant Variant::BoolRef(VARIANT_BOOL* value) {
    Variant v;
    v.v_.vt = VT_BOOL | VT_BYREF;
    v.v_.pboolVal = value;
    return v;
}

Variant Variant::Missing() {
    Variant v;
    v.v_.vt = VT_ERROR;
    v.v_.scode = DISP_E_PARAMNOTFOUND;
    return v;
}

namespace {

bool ChangeType(const VARIANT& in, VARTYPE type, VARIANT& out) {
    VariantInit(&out);
    return SUCCEEDED(VariantChangeType(&out, const_cast<VARIANT*>(&in), 0, type));
}

}  // namespace

bool Variant::ToInt(long& out) const {
    Variant converted;
    if (!ChangeType(v_, VT_I4, converted.v_)) {
        return false;
    }
    out = converted.v_.lVal;
    return true;
}

bool Variant::ToBool(bool& out) const {
    Variant converted;
    if (!ChangeType(v_, VT_BOOL, converted.v_)) {
        return false;
    }
    out = converted.v_.boolVal != VARIANT_FALSE;
    return true;
}

bool Variant::ToText(std::wstring& out) const {
    Variant converted;
    if (!ChangeType(v_, VT_BSTR, converted.v_)) {
        return false;
    }
    const BSTR b = converted.v_.bstrVal;
    out = b ? std::wstring(b, SysStringLen(b)) : std::wstring();
    return true;
}

ComPtr<IDispatch> Variant::ToObject() const {
    const VARIANT* v = &v_;
    if (v->vt == (VT_VARIANT | VT_BYREF) && v->pvarVal) {
        v = v->pvarVal;
    }
    if (v->vt == VT_DISPATCH) {
        return ComPtr<IDispatch>(v->pdispVal);
    }
    if (v->vt == (VT_DISPATCH | VT_BYREF) && v->ppdispVal) {
        return ComPtr<IDispatch>(*v->ppdispVal);
    }
    if (v->vt == VT_UNKNOWN && v->punkVal) {
        ComPtr<IDispatch> result;
        v->punkVal->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(result.Put()));
        return result;
    }
    return nullptr;
}

namespace {

HRESULT InvokeUntraced(IDispatch* object, DISPID id, WORD flags, const std::vector<Variant>& args,
                       Variant* result, EXCEPINFO* exception = nullptr) {
    if (!object) {
        return E_POINTER;
    }
    std::vector<VARIANT> reversed;
    reversed.reserve(args.size());
    for (auto it = args.rbegin(); it != args.rend(); ++it) {
        reversed.push_back(*it->Get());  // shallow: args keep ownership
    }
    DISPPARAMS params{};
    params.rgvarg = reversed.empty() ? nullptr : reversed.data();
    params.cArgs = static_cast<UINT>(reversed.size());
    DISPID named = DISPID_PROPERTYPUT;
    if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    Variant ignored;
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                          result ? result->Get() : ignored.Get(), exception, nullptr);
}

// The exception information a failed call may fill; its texts freed with it.
class ExceptionInfo {
  public:
    ExceptionInfo() = default;
    ExceptionInfo(const ExceptionInfo&) = delete;
    ExceptionInfo& operator=(const ExceptionInfo&) = delete;
    ~ExceptionInfo() {
        SysFreeString(info_.bstrSource);
        SysFreeString(info_.bstrDescription);
        SysFreeString(info_.bstrHelpFile);
    }

    EXCEPINFO* Get() { return &info_; }

    // Why the call failed with `hr`, by the object's words where it gave them.
    std::wstring Describe(HRESULT hr) {
        if (hr != DISP_E_EXCEPTION) {
            return SystemErrorText(hr);
        }
        // An object may leave the texts to be filled only when someone asks for them.
        if (info_.pfnDeferredFillIn) {
            const auto fill = info_.pfnDeferredFillIn;
            info_.pfnDeferredFillIn = nullptr;
            fill(&info_);
        }
        if (info_.bstrDescription && SysStringLen(info_.bstrDescription) > 0) {
            return std::wstring(info_.bstrDescription, SysStringLen(info_.bstrDescription));
        }
        return SystemErrorText(FAILED(info_.scode) ? info_.scode : hr);
    }

  private:
    EXCEPINFO info_{};
};

// The system's message for one code; empty when it has none.
std::wstring SystemMessage(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length > 0 ? std::wstring(buffer, length) : L"";
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
        text.pop_back();
    }
    return text;
}

// The words of a Basic run-time error, by its number, as automation objects such as the file
// system object raise them; the system has none for them. Empty for other codes.
std::wstring BasicErrorText(HRESULT hr) {
    if (HRESULT_FACILITY(hr) != FACILITY_CONTROL) {
        return L"";
    }
    switch (HRESULT_CODE(hr)) {
        case 53:
            return L"File not found";
        case 70:
            return L"Permission denied";
        default:
            return L"";
    }
}

}  // namespace

std::wstring SystemErrorText(HRESULT hr) {
    std::wstring text = SystemMessage(static_cast<DWORD>(hr));
    // A Windows error wrapped in a failure code: its own message.
    if (text.empty() && HRESULT_FACILITY(hr) == FACILITY_WIN32) {
        text = SystemMessage(HRESULT_CODE(hr));
    }
    if (text.empty()) {
        text = BasicErrorText(hr);
    }
    if (text.empty()) {
        wchar_t code[16];
        swprintf(code, 16, L"0x%08lX", static_cast<unsigned long>(hr));
        text = std::wstring(L"Error ") + code;
    }
    return text;
}

namespace {

// The call as a trace names it: by the caller's name, else by the member's id.
std::wstring CallText(DISPID id, std::wstring_view call) {
    return L"IDispatch::Invoke of " +
           (call.empty() ? L"member " + std::to_wstring(id) : std::wstring(call));
}

}  // namespace

HRESULT Invoke(IDispatch* object, DISPID id, WORD flags, const std::vector<Variant>& args,
               Variant* result, std::wstring_view call) {
    const HRESULT hr = InvokeUntraced(object, id, flags, args, result);
    if (FAILED(hr)) {
        TraceFailure(CallText(id, call), hr);
    }
    return hr;
}

HRESULT InvokeDescribed(IDispatch* object, DISPID id, WORD flags, const std::vector<Variant>& args,
                        Variant* result, std::wstring& error, std::wstring_view call) {
    ExceptionInfo exception;
    const HRESULT hr = InvokeUntraced(object, id, flags, args, result, exception.Get());
    if (FAILED(hr)) {
        error = exception.Describe(hr);
        TraceFailure(CallText(id, call) + L": " + error, hr);
    }
    return hr;
}

HRESULT DispIdOf(IDispatch* object, const std::wstring& name, DISPID& id) {
    if (!object) {
        return E_POINTER;
    }
    LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
    return object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
}

HRESULT InvokeByName(IDispatch* object, const std::wstring& name, WORD flags,
                     const std::vector<Variant>& args, Variant* result) {
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = DispIdOf(object, name, id);
    if (SUCCEEDED(hr)) {
        hr = InvokeUntraced(object, id, flags, args, result);
    }
    if (FAILED(hr)) {
        TraceFailure(L"IDispatch::Invoke of " + name, hr);
    }
    return hr;
}

}  // namespace morvane::com
