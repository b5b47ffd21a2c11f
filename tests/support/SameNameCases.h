#pragma once
// Names the file system takes for one and names it keeps apart: what the file port's SameName
// answers, run against the double natively and against Windows under Wine, so that the double
// cannot drift from the real comparison.

namespace morvane::test {

struct SameNameCase {
    const wchar_t* a;
    const wchar_t* b;
    bool same;
};

inline constexpr SameNameCase SameNameCases[] = {
    {L"Plan", L"pLAN", true},
    {L"Plan", L"Plan2", false},
    {L"Plan", L"Pla", false},
    {L"Plan", L"Plan ", false},
    {L"\u00C4nderung", L"\u00E4nderung", true},  // Änderung
    {L"C:\\Pl\u00E4ne\\\u00C4NDERUNG.MPP", L"c:\\pl\u00C4ne\\\u00E4nderung.mpp", true},
    {L"\u00C4nderung", L"Anderung", false},
    {L"\u0416", L"\u0436", true},                                       // Ж, ж
    {L"\u041F\u043B\u0430\u043D", L"\u043F\u041B\u0410\u041D", true},   // План, пЛАН
    {L"\u0401\u043B\u043A\u0430", L"\u0451\u043B\u043A\u0430", true},   // Ёлка, ёлка
    {L"\u0415\u043B\u043A\u0430", L"\u0451\u043B\u043A\u0430", false},  // Елка, ёлка
    {L"Stra\u00DFe", L"STRASSE", false},                                // no letter is two
    {L"\u00C6ra", L"\u00E6RA", true},                                   // Æra, æRA
};

}  // namespace morvane::test
