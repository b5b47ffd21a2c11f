#pragma once
// The registry as the settings code uses it: the five ANSI registry calls, one operation each,
// and the conversion of program text to and from the system's ANSI code page. The real adapter
// is WinRegistry; tests use an in-memory double. Nothing here throws but allocation.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace morvane {

// The roots callers pass: the current user for every setting, the machine for load behaviour.
// The machine hive has a 64-bit and a 32-bit view on 64-bit Windows; `LocalMachine` is the view
// of the running program's bitness, the other two name a view whatever the program's bitness
// (on 32-bit Windows all three are the one hive).
enum class RootKey { CurrentUser, LocalMachine, LocalMachine64, LocalMachine32 };

// A value's type number and data size in bytes.
struct RegValueInfo {
    std::uint32_t Type = 0;
    std::uint32_t Size = 0;
};

class RegistryApi {
  public:
    // An open key, as the registry hands it out.
    using Key = std::uintptr_t;

    virtual ~RegistryApi() = default;

    // Opens an existing key for reading (KEY_READ).
    virtual std::optional<Key> OpenRead(RootKey root, const std::string& subKey) = 0;
    // Opens a key for writing (KEY_WRITE), creating every missing key on the path.
    virtual std::optional<Key> CreateWrite(RootKey root, const std::string& subKey) = 0;
    // The type and size of a value, without reading it.
    virtual std::optional<RegValueInfo> QueryInfo(Key key, const std::string& valueName) = 0;
    // Reads a value's data into the buffer and answers the bytes read; no value when the data
    // does not fit.
    virtual std::optional<std::uint32_t> QueryData(Key key, const std::string& valueName,
                                                   std::span<std::uint8_t> buffer) = 0;
    virtual bool SetValue(Key key, const std::string& valueName, std::uint32_t type,
                          std::span<const std::uint8_t> data) = 0;
    virtual bool Close(Key key) = 0;

    virtual std::string ToAnsi(const std::wstring& text) const = 0;
    virtual std::wstring FromAnsi(const std::string& text) const = 0;
};

}  // namespace morvane
