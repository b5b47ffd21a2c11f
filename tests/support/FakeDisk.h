#pragma once
// Files in memory, shared by the doubles of the host and of the commands' file port: the host's
// save writes here, the file port reads here, so a test sees what the save really wrote. Names
// are read as Windows reads them: without regard to case (in the alphabets the tests use),
// trailing dots and blanks dropped from the file name, a doubled separator read as one.

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace morvane::test {

class FakeDisk {
  public:
    // Names that lead to another name's file, as Windows drops a trailing dot or blank.
    std::map<std::wstring, std::wstring> aliases;
    // Names that answer as devices: they exist, hold no file and swallow what is written.
    std::set<std::wstring> devices;

    // Creates the file or replaces its content; a file written over keeps its identity.
    void Write(const std::wstring& path, const std::wstring& content) {
        if (IsDevice(path)) {
            return;
        }
        const auto [file, created] = files_.try_emplace(Key(path), File{nextId_, content});
        if (created) {
            ++nextId_;
        } else {
            file->second.content = content;
        }
    }
    void Remove(const std::wstring& path) { files_.erase(Key(path)); }
    // Anything answers to the name: a file or a device.
    bool Exists(const std::wstring& path) const { return Id(path).has_value() || IsDevice(path); }
    // The file's identity; none for a device or a missing file.
    std::optional<std::uint64_t> Id(const std::wstring& path) const {
        const auto file = files_.find(Key(path));
        return file == files_.end() ? std::nullopt : std::optional(file->second.id);
    }
    std::optional<std::wstring> Content(const std::wstring& path) const {
        const auto file = files_.find(Key(path));
        return file == files_.end() ? std::nullopt : std::optional(file->second.content);
    }
    std::size_t FileCount() const { return files_.size(); }

    // The full name as Windows spells the file it leads to: "C:\\P\Plan2. ." is "C:\P\Plan2".
    static std::wstring WindowsName(std::wstring path) {
        for (auto doubled = path.find(L"\\\\", 1); doubled != std::wstring::npos;
             doubled = path.find(L"\\\\", doubled)) {
            path.erase(doubled, 1);
        }
        const auto kept = path.find_last_not_of(L". ");
        const auto file = path.rfind(L'\\');
        if (kept != std::wstring::npos && (file == std::wstring::npos || kept > file)) {
            path.erase(kept + 1);
        }
        return path;
    }

    // Upper-cased as Windows compares names, for ASCII, Latin-1 and Cyrillic letters ("ä" is
    // "Ä", "ж" is "Ж", "ß" stays). Other letters are left as they are.
    static std::wstring Upper(std::wstring text) {
        for (wchar_t& c : text) {
            c = UpperLetter(c);
        }
        return text;
    }

  private:
    struct File {
        std::uint64_t id;
        std::wstring content;
    };
    bool IsDevice(const std::wstring& path) const {
        for (const auto& device : devices) {
            if (Upper(device) == Upper(path)) {
                return true;
            }
        }
        return false;
    }
    // The name as Windows reads it, upper-cased, through its alias.
    std::wstring Key(const std::wstring& path) const {
        std::wstring key = Upper(WindowsName(path));
        for (const auto& [alias, target] : aliases) {
            if (Upper(alias) == key) {
                return Upper(target);
            }
        }
        return key;
    }
    static wchar_t UpperLetter(wchar_t c) {
        const bool ascii = c >= L'a' && c <= L'z';
        const bool latin1 = c >= L'\u00E0' && c <= L'\u00FE' && c != L'\u00F7';
        const bool cyrillic = c >= L'\u0430' && c <= L'\u044F';
        if (ascii || latin1 || cyrillic) {
            return static_cast<wchar_t>(c - 0x20);
        }
        if (c >= L'\u0450' && c <= L'\u045F') {  // ѐ to џ
            return static_cast<wchar_t>(c - 0x50);
        }
        return c;
    }

    std::map<std::wstring, File> files_;
    std::uint64_t nextId_ = 1;
};

}  // namespace morvane::test
