#include "shared/DispatchArgs_win.h"

#include <algorithm>
#include <cwctype>

#include "shared/Trace.h"

namespace morvane::com {

namespace {

// A present argument as a value of its own (by-reference arguments read through).
bool Present(const VARIANT* arg, Variant& out) {
    if (IsMissing(arg)) {
        return false;
    }
    if (const HRESULT hr = VariantCopyInd(out.Get(), const_cast<VARIANT*>(arg)); FAILED(hr)) {
        TraceFailure(L"VariantCopyInd of an argument", hr);
        return false;
    }
    return true;
}

}  // namespace

VARIANT* ArgAt(const std::vector<VARIANT*>& args, std::size_t index) {
    return index < args.size() ? args[index] : nullptr;
}

bool IsMissing(const VARIANT* arg) {
    if (arg && arg->vt == (VT_VARIANT | VT_BYREF)) {
        arg = arg->pvarVal;
    }
    return !arg || arg->vt == VT_EMPTY ||
           (arg->vt == VT_ERROR && arg->scode == DISP_E_PARAMNOTFOUND);
}

bool ArgLong(const VARIANT* arg, long& out) {
    Variant value;
    return Present(arg, value) && value.ToInt(out);
}

bool ArgBool(const VARIANT* arg, bool& out) {
    Variant value;
    return Present(arg, value) && value.ToBool(out);
}

bool ArgText(const VARIANT* arg, std::wstring& out) {
    Variant value;
    return Present(arg, value) && value.ToText(out);
}

bool SameText(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

void SetResult(VARIANT* result, const Variant& value) {
    if (!result) {
        return;
    }
    if (const HRESULT hr = VariantCopy(result, const_cast<VARIANT*>(value.Get())); FAILED(hr)) {
        TraceFailure(L"VariantCopy of a result", hr);
    }
}

}  // namespace morvane::com
