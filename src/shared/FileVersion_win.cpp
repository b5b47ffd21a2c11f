#include "shared/FileVersion_win.h"

#include <windows.h>
#include <winternl.h>

namespace morvane {

namespace {

// A file's attributes as ntdll's NtQueryFullAttributesFile gives them, by path, without
// opening the file: the one cheap way to the change time.
struct FileNetworkOpenInformation {
    LARGE_INTEGER creationTime;
    LARGE_INTEGER lastAccessTime;
    LARGE_INTEGER lastWriteTime;
    LARGE_INTEGER changeTime;
    LARGE_INTEGER allocationSize;
    LARGE_INTEGER endOfFile;
    ULONG fileAttributes;
};
using QueryFullAttributesFile = LONG(NTAPI*)(POBJECT_ATTRIBUTES, FileNetworkOpenInformation*);

QueryFullAttributesFile QueryFullAttributes() {
    static const auto query = reinterpret_cast<QueryFullAttributesFile>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryFullAttributesFile")));
    return query;
}

// The NT name of a full DOS path ("\??\C:\...", "\??\UNC\server\..."); nothing for a
// path it cannot name.
std::optional<std::wstring> NtPathOf(const std::wstring& path) {
    DWORD length = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (length == 0) {
        return std::nullopt;
    }
    std::wstring full(length, L'\0');
    length = GetFullPathNameW(path.c_str(), length, full.data(), nullptr);
    if (length == 0 || length >= full.size()) {
        return std::nullopt;
    }
    full.resize(length);
    if (full.rfind(L"\\\\?\\", 0) == 0) {
        return L"\\??\\" + full.substr(4);
    }
    if (full.rfind(L"\\\\", 0) == 0) {
        return L"\\??\\UNC\\" + full.substr(2);
    }
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') {
        return L"\\??\\" + full;
    }
    return std::nullopt;
}

// File times move with the system clock's tick, which may be coarse (NTFS takes the timer
// tick, 1 to 16 ms; some file systems keep whole seconds). Two writes within one tick get the
// same change time, so a version is trusted only once the clock has clearly moved on.
constexpr std::int64_t kSettledAfter = 2 * 10'000'000;  // 2 s in 100 ns units

std::int64_t Now() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return static_cast<std::int64_t>((static_cast<std::uint64_t>(now.dwHighDateTime) << 32) |
                                     now.dwLowDateTime);
}

}  // namespace

std::optional<FileVersion> FileVersionOf(const std::wstring& path) {
    const QueryFullAttributesFile query = QueryFullAttributes();
    std::optional<std::wstring> ntPath = NtPathOf(path);
    if (!query || !ntPath || ntPath->size() > 32767) {
        return std::nullopt;
    }
    UNICODE_STRING name{};
    name.Buffer = ntPath->data();
    name.Length = name.MaximumLength = static_cast<USHORT>(ntPath->size() * sizeof(wchar_t));
    OBJECT_ATTRIBUTES attributes{};
    attributes.Length = sizeof attributes;
    attributes.ObjectName = &name;
    attributes.Attributes = OBJ_CASE_INSENSITIVE;
    FileNetworkOpenInformation info{};
    if (query(&attributes, &info) < 0 || (info.fileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        info.changeTime.QuadPart == 0 || Now() - info.changeTime.QuadPart < kSettledAfter) {
        return std::nullopt;
    }
    return FileVersion{static_cast<std::uint64_t>(info.endOfFile.QuadPart),
                       info.lastWriteTime.QuadPart, info.changeTime.QuadPart};
}

}  // namespace morvane
