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
                       Variant* result) {
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
                          result ? result->Get() : ignored.Get(), nullptr, nullptr);
}

}  // namespace

HRESULT Invoke(IDispatch* object, DISPID id, WORD flags, const std::vector<Variant>& args,
               Variant* result, std::wstring_view call) {
    const HRESULT hr = InvokeUntraced(object, id, flags, args, result);
    if (FAILED(hr)) {
        TraceFailure(call.empty() ? L"IDispatch::Invoke of member " + std::to_wstring(id)
                                  : L"IDispatch::Invoke of " + std::wstring(call),
                     hr);
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
