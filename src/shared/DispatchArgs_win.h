#pragma once
// Helpers of the stand-in host's objects: reading the arguments and writing the result of a
// late-bound call (optional arguments may be omitted, passed as "missing" or by reference).

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <vector>

#include "shared/Com_win.h"

namespace morvane::com {

// The argument at `index`, or nullptr when the caller passed fewer.
VARIANT* ArgAt(const std::vector<VARIANT*>& args, std::size_t index);
// Omitted: not passed, passed as "missing" (VT_ERROR DISP_E_PARAMNOTFOUND) or empty.
bool IsMissing(const VARIANT* arg);
// Converts a present argument (by value or by reference); false when missing or not convertible.
bool ArgLong(const VARIANT* arg, long& out);
bool ArgBool(const VARIANT* arg, bool& out);
bool ArgText(const VARIANT* arg, std::wstring& out);

// Names, ProgIDs and captions as the host compares them: without regard to case.
bool SameText(const std::wstring& a, const std::wstring& b);

// Writes a call's result; `result` may be nullptr when the caller wants none.
void SetResult(VARIANT* result, const Variant& value);

}  // namespace morvane::com
