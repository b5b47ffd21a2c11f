#include "support/FakeRegistry.h"

#include <algorithm>
#include <cctype>

namespace morvane::test {

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

FakeRegistry::Path FakeRegistry::PathOf(RootKey root, const std::string& subKey) {
    return {root, Lower(subKey)};
}

const FakeRegistry::Value* FakeRegistry::Lookup(const Path& path, const std::string& name) const {
    const auto key = keys_.find(path);
    if (key == keys_.end()) {
        return nullptr;
    }
    const auto value = key->second.find(Lower(name));
    return value == key->second.end() ? nullptr : &value->second;
}

const FakeRegistry::Handle* FakeRegistry::Opened(Key key, bool write) const {
    const auto handle = open_.find(key);
    if (handle == open_.end() || handle->second.write != write) {
        return nullptr;
    }
    return &handle->second;
}

void FakeRegistry::Create(const Path& path) {
    for (auto end = path.second.find('\\'); end != std::string::npos;
         end = path.second.find('\\', end + 1)) {
        keys_[{path.first, path.second.substr(0, end)}];
    }
    keys_[path];
}

void FakeRegistry::Put(RootKey root, const std::wstring& key, const std::wstring& name,
                       std::uint32_t type, std::vector<std::uint8_t> data) {
    const Path path = PathOf(root, ToAnsi(key));
    Create(path);
    keys_[path][Lower(ToAnsi(name))] = Value{type, std::move(data)};
}

void FakeRegistry::PutDword(RootKey root, const std::wstring& key, const std::wstring& name,
                            std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    Put(root, key, name, 4,
        {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
         static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)});
}

void FakeRegistry::PutText(RootKey root, const std::wstring& key, const std::wstring& name,
                           const std::wstring& text) {
    const std::string ansi = ToAnsi(text);
    std::vector<std::uint8_t> data(ansi.begin(), ansi.end());
    data.push_back(0);
    Put(root, key, name, 1, std::move(data));
}

void FakeRegistry::Delete(RootKey root, const std::wstring& key, const std::wstring& name) {
    const auto found = keys_.find(PathOf(root, ToAnsi(key)));
    if (found != keys_.end()) {
        found->second.erase(Lower(ToAnsi(name)));
    }
}

std::optional<FakeRegistry::Value> FakeRegistry::Find(RootKey root, const std::wstring& key,
                                                      const std::wstring& name) const {
    const Value* value = Lookup(PathOf(root, ToAnsi(key)), ToAnsi(name));
    return value ? std::optional<Value>(*value) : std::nullopt;
}

std::optional<std::int32_t> FakeRegistry::FindDword(RootKey root, const std::wstring& key,
                                                    const std::wstring& name) const {
    const auto value = Find(root, key, name);
    if (!value || value->type != 4 || value->data.size() != 4) {
        return std::nullopt;
    }
    const auto& d = value->data;
    return static_cast<std::int32_t>(d[0] | (d[1] << 8) | (d[2] << 16) |
                                     (static_cast<std::uint32_t>(d[3]) << 24));
}

bool FakeRegistry::HasKey(RootKey root, const std::wstring& key) const {
    return keys_.count(PathOf(root, ToAnsi(key))) != 0;
}

std::optional<RegistryApi::Key> FakeRegistry::OpenRead(RootKey root, const std::string& subKey) {
    const Path path = PathOf(root, subKey);
    if (Fails("OpenRead") || keys_.count(path) == 0) {
        return std::nullopt;
    }
    open_[next_] = Handle{path, false};
    return next_++;
}

std::optional<RegistryApi::Key> FakeRegistry::CreateWrite(RootKey root, const std::string& subKey) {
    if (Fails("CreateWrite") || readOnly.count(root) != 0) {
        return std::nullopt;
    }
    const Path path = PathOf(root, subKey);
    Create(path);
    open_[next_] = Handle{path, true};
    return next_++;
}

std::optional<RegValueInfo> FakeRegistry::QueryInfo(Key key, const std::string& valueName) {
    queried.push_back(valueName);
    const Handle* handle = Opened(key, false);
    const Value* value = handle ? Lookup(handle->path, valueName) : nullptr;
    if (Fails("QueryInfo") || !value) {
        return std::nullopt;
    }
    return RegValueInfo{value->type, static_cast<std::uint32_t>(value->data.size())};
}

std::optional<std::uint32_t> FakeRegistry::QueryData(Key key, const std::string& valueName,
                                                     std::span<std::uint8_t> buffer) {
    const Handle* handle = Opened(key, false);
    const Value* value = handle ? Lookup(handle->path, valueName) : nullptr;
    if (Fails("QueryData") || !value || value->data.size() > buffer.size()) {
        return std::nullopt;
    }
    std::copy(value->data.begin(), value->data.end(), buffer.begin());
    return static_cast<std::uint32_t>(value->data.size());
}

bool FakeRegistry::SetValue(Key key, const std::string& valueName, std::uint32_t type,
                            std::span<const std::uint8_t> data) {
    const Handle* handle = Opened(key, true);
    if (Fails("SetValue") || !handle) {
        return false;
    }
    Value value{type, std::vector<std::uint8_t>(data.begin(), data.end())};
    writes.push_back(Write{handle->path.first, handle->path.second, Lower(valueName), value});
    keys_[handle->path][Lower(valueName)] = std::move(value);
    return true;
}

bool FakeRegistry::Close(Key key) {
    if (Fails("Close")) {
        return false;
    }
    return open_.erase(key) != 0;
}

std::string FakeRegistry::ToAnsi(const std::wstring& text) const {
    std::string ansi;
    for (const wchar_t c : text) {
        ansi.push_back(static_cast<unsigned>(c) <= 0xFF ? static_cast<char>(c) : '?');
    }
    return ansi;
}

std::wstring FakeRegistry::FromAnsi(const std::string& text) const {
    std::wstring wide;
    for (const char c : text) {
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    }
    return wide;
}

}  // namespace morvane::test
