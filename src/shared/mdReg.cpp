#include "shared/mdReg.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <variant>
#include <vector>

#include "shared/Numbers.h"

namespace morvane::mdReg {

namespace {

using Data = std::variant<std::int32_t, double, std::wstring>;

// Closes the key on every path; Close() reports whether the registry accepted it.
class OpenKey {
  public:
    OpenKey(RegistryApi& api, RegistryApi::Key key) : api_(api), key_(key) {}
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    ~OpenKey() {
        if (open_) {
            api_.Close(key_);
        }
    }
    RegistryApi::Key Get() const { return key_; }
    bool Close() {
        open_ = false;
        return api_.Close(key_);
    }

  private:
    RegistryApi& api_;
    RegistryApi::Key key_;
    bool open_ = true;
};

// Reads text data into the buffer; the text is everything before the first NUL.
std::optional<std::wstring> ReadText(RegistryApi& api, RegistryApi::Key key,
                                     const std::string& name, std::span<std::uint8_t> buffer) {
    const auto read = api.QueryData(key, name, buffer);
    if (!read) {
        return std::nullopt;
    }
    std::string ansi(buffer.begin(), buffer.begin() + std::min<std::size_t>(*read, buffer.size()));
    ansi.resize(std::min(ansi.size(), ansi.find('\0')));
    return api.FromAnsi(ansi);
}

std::int32_t LittleEndian(const std::array<std::uint8_t, 4>& bytes) {
    const std::uint32_t value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                                (static_cast<std::uint32_t>(bytes[3]) << 24);
    return static_cast<std::int32_t>(value);
}

// What a read found: an integer or a text.
using Found = std::variant<std::int32_t, std::wstring>;

// No value when the read failed or the value is of a type that is not read.
std::optional<Found> ReadValue(RegistryApi& api, RootKey root, const std::wstring& subKey,
                               const std::wstring& valueName) {
    const auto opened = api.OpenRead(root, api.ToAnsi(subKey));
    if (!opened) {
        return std::nullopt;
    }
    OpenKey key(api, *opened);
    const std::string name = api.ToAnsi(valueName);
    const auto info = api.QueryInfo(key.Get(), name);
    if (!info) {
        return std::nullopt;
    }
    std::optional<Found> found;
    switch (info->Type) {
        case RegSz:
        case RegExpandSz: {
            // Text of any length the registry reports: what SetRegValue writes reads back.
            std::vector<std::uint8_t> buffer(info->Size);
            const auto text = ReadText(api, key.Get(), name, buffer);
            if (!text) {
                return std::nullopt;
            }
            found = Found(*text);
            break;
        }
        case RegBinary:
        case RegDword: {
            // Longer data does not fit the 4 bytes and fails the read.
            std::array<std::uint8_t, 4> buffer{};
            if (!api.QueryData(key.Get(), name, buffer)) {
                return std::nullopt;
            }
            found = Found(LittleEndian(buffer));
            break;
        }
        default:
            // Read as nothing, a value of another type would let the caller's fallback pass.
            break;
    }
    // Closed before anything is stored, so that a false result never changes the destination.
    if (!key.Close()) {
        return std::nullopt;
    }
    return found;
}

void Store(const Found& found, std::int32_t& value) {
    if (const auto* number = std::get_if<std::int32_t>(&found)) {
        value = *number;
    } else if (const auto converted = TextToInt32(std::get<std::wstring>(found))) {
        value = *converted;
    }
}

void Store(const Found& found, std::wstring& value) {
    if (const auto* number = std::get_if<std::int32_t>(&found)) {
        value = std::to_wstring(*number);
    } else {
        value = std::get<std::wstring>(found);
    }
}

template <typename T>
bool Get(RegistryApi& api, RootKey root, const std::wstring& subKey, const std::wstring& valueName,
         T& value) {
    try {
        const auto found = ReadValue(api, root, subKey, valueName);
        if (!found) {
            return false;
        }
        Store(*found, value);
        return true;
    } catch (...) {
        return false;
    }
}

std::wstring TextOf(const Data& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        return std::to_wstring(*number);
    }
    if (const auto* real = std::get_if<double>(&value)) {
        std::array<char, 32> digits{};
        const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), *real).ptr;
        return std::wstring(digits.data(), end);
    }
    return std::get<std::wstring>(value);
}

std::optional<std::int32_t> IntegerOf(const Data& value) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        return *number;
    }
    if (const auto* real = std::get_if<double>(&value)) {
        return RoundToInt32(*real);
    }
    return TextToInt32(std::get<std::wstring>(value));
}

// The bytes written for a value of the given type; nothing for a type not handled or a value
// that cannot be converted.
std::optional<std::vector<std::uint8_t>> Encode(const RegistryApi& api, std::int32_t type,
                                                const Data& value) {
    switch (type) {
        case RegSz:
        case RegExpandSz: {
            const std::string ansi = api.ToAnsi(TextOf(value));
            std::vector<std::uint8_t> bytes(ansi.begin(), ansi.end());
            bytes.push_back(0);
            return bytes;
        }
        case RegBinary:
        case RegDword: {
            const auto number = IntegerOf(value);
            if (!number) {
                return std::nullopt;
            }
            const auto bits = static_cast<std::uint32_t>(*number);
            return std::vector<std::uint8_t>{
                static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
        }
        default:
            return std::nullopt;
    }
}

bool Set(RegistryApi& api, RootKey root, const std::wstring& subKey, const std::wstring& valueName,
         std::int32_t type, const Data& value) {
    try {
        // The data is made first, so that a refused value creates no key either.
        const auto bytes = Encode(api, type, value);
        if (!bytes) {
            return false;
        }
        const auto created = api.CreateWrite(root, api.ToAnsi(subKey));
        if (!created) {
            return false;
        }
        OpenKey key(api, *created);
        if (!api.SetValue(key.Get(), api.ToAnsi(valueName), static_cast<std::uint32_t>(type),
                          *bytes)) {
            return false;
        }
        return key.Close();
    } catch (...) {
        return false;
    }
}

}  // namespace

bool GetRegValue(RegistryApi& api, RootKey hKey, const std::wstring& SubKey,
                 const std::wstring& ValueName, std::int32_t& Value) {
    return Get(api, hKey, SubKey, ValueName, Value);
}

bool GetRegValue(RegistryApi& api, RootKey hKey, const std::wstring& SubKey,
                 const std::wstring& ValueName, std::wstring& Value) {
    return Get(api, hKey, SubKey, ValueName, Value);
}

bool SetRegValue(RegistryApi& api, RootKey hKey, const std::wstring& SubKey,
                 const std::wstring& ValueName, std::int32_t ValueType, std::int32_t Value) {
    return Set(api, hKey, SubKey, ValueName, ValueType, Value);
}

bool SetRegValue(RegistryApi& api, RootKey hKey, const std::wstring& SubKey,
                 const std::wstring& ValueName, std::int32_t ValueType, double Value) {
    return std::isfinite(Value) && Set(api, hKey, SubKey, ValueName, ValueType, Value);
}

bool SetRegValue(RegistryApi& api, RootKey hKey, const std::wstring& SubKey,
                 const std::wstring& ValueName, std::int32_t ValueType, const std::wstring& Value) {
    return Set(api, hKey, SubKey, ValueName, ValueType, Value);
}

}  // namespace morvane::mdReg
