#include "addin/FileNameRules.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace morvane {

namespace {

wchar_t UpperAscii(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// The port number of COMn and LPTn: 1 to 9, or the superscripts 1 to 3.
bool IsPortDigit(wchar_t c) {
    return (c >= L'1' && c <= L'9') || c == L'\u00B9' || c == L'\u00B2' || c == L'\u00B3';
}

}  // namespace

std::wstring FileNameOf(const std::wstring& fullName, const std::wstring& separator) {
    if (separator.empty()) {
        return fullName;
    }
    const auto at = fullName.rfind(separator);
    return at == std::wstring::npos ? fullName : fullName.substr(at + separator.size());
}

SplitName SplitAtLastDot(const std::wstring& fileName) {
    const auto dot = fileName.rfind(L'.');
    if (dot == std::wstring::npos) {
        return {fileName, L""};
    }
    return {fileName.substr(0, dot), fileName.substr(dot)};
}

std::wstring FolderPrefix(const std::wstring& folder, const std::wstring& separator) {
    return folder.ends_with(separator) ? folder : folder + separator;
}

std::wstring NameWindowsUses(const std::wstring& fileName) {
    const auto kept = fileName.find_last_not_of(L". ");
    return kept == std::wstring::npos ? L"" : fileName.substr(0, kept + 1);
}

bool IsAcceptableFileName(const std::wstring& name) {
    constexpr std::wstring_view refused = L"\\/:*?\"<>|";
    const bool badCharacter = std::ranges::any_of(
        name, [&](wchar_t c) { return c < 0x20 || refused.find(c) != std::wstring_view::npos; });
    const bool onlyBlanksAndDots =
        std::ranges::all_of(name, [](wchar_t c) { return c == L' ' || c == L'.'; });
    return !badCharacter && !onlyBlanksAndDots;
}

bool IsDeviceName(const std::wstring& fileName) {
    // Windows looks at the name before its first dot, without trailing blanks.
    std::wstring stem = fileName.substr(0, fileName.find(L'.'));
    stem.erase(stem.find_last_not_of(L' ') + 1);
    std::ranges::transform(stem, stem.begin(), UpperAscii);
    constexpr std::array<std::wstring_view, 6> devices = {L"CON", L"PRN",    L"AUX",
                                                          L"NUL", L"CONIN$", L"CONOUT$"};
    if (std::ranges::find(devices, stem) != devices.end()) {
        return true;
    }
    const std::wstring_view port = std::wstring_view(stem).substr(0, 3);
    return stem.size() == 4 && (port == L"COM" || port == L"LPT") && IsPortDigit(stem[3]);
}

std::optional<NameFault> FaultOfNewName(const std::wstring& baseName, const std::wstring& fileName,
                                        const std::wstring& fullName) {
    if (!IsAcceptableFileName(baseName)) {
        return NameFault::Characters;
    }
    if (IsDeviceName(fileName)) {
        return NameFault::Device;
    }
    if (fullName.size() > MaxFullNameLength || fileName.size() > MaxFileNameLength) {
        return NameFault::TooLong;
    }
    return std::nullopt;
}

RenameOutcome OutcomeOfSave(const std::optional<FileIdentity>& projectFile,
                            const std::optional<FileIdentity>& oldFile,
                            const std::optional<FileIdentity>& newFile) {
    if (projectFile != newFile) {
        return RenameOutcome::NotMoved;
    }
    if (!newFile || newFile == oldFile) {
        return RenameOutcome::NoNewFile;
    }
    return oldFile ? RenameOutcome::DeleteOld : RenameOutcome::NoOldFile;
}

std::wstring OpenFolderArguments(const std::wstring& fullName) {
    return L"/select ,\"" + fullName + L"\"";
}

}  // namespace morvane
