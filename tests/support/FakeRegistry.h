#pragma once
// In-memory double of the registry, with the real one's rules that the settings code meets:
// names are case-insensitive, a read fails when the data does not fit, creating a key creates its
// whole path, a key opened for reading cannot be written. Text is Latin-1 here. Every operation
// can be told to fail by name ("OpenRead", "Close", ...), and writes under a read-only root are
// refused, as the machine hive is without administrator rights.

#include <map>
#include <set>
#include <vector>

#include "shared/RegistryApi.h"
#include "support/Faults.h"

namespace morvane::test {

class FakeRegistry : public RegistryApi, public Faults {
  public:
    struct Value {
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
    };
    struct Write {
        RootKey root;
        std::string key;
        std::string name;
        Value value;
    };

    std::set<RootKey> readOnly;
    // Every value written, in order.
    std::vector<Write> writes;
    // The name of every value asked for, in order.
    std::vector<std::string> queried;

    // Test set-up and inspection, with program text.
    void Put(RootKey root, const std::wstring& key, const std::wstring& name, std::uint32_t type,
             std::vector<std::uint8_t> data);
    void PutDword(RootKey root, const std::wstring& key, const std::wstring& name,
                  std::int32_t value);
    void PutText(RootKey root, const std::wstring& key, const std::wstring& name,
                 const std::wstring& text);
    void Delete(RootKey root, const std::wstring& key, const std::wstring& name);
    std::optional<Value> Find(RootKey root, const std::wstring& key,
                              const std::wstring& name) const;
    std::optional<std::int32_t> FindDword(RootKey root, const std::wstring& key,
                                          const std::wstring& name) const;
    bool HasKey(RootKey root, const std::wstring& key) const;
    // Keys opened and not yet closed.
    std::size_t OpenKeys() const { return open_.size(); }

    std::optional<Key> OpenRead(RootKey root, const std::string& subKey) override;
    std::optional<Key> CreateWrite(RootKey root, const std::string& subKey) override;
    std::optional<RegValueInfo> QueryInfo(Key key, const std::string& valueName) override;
    std::optional<std::uint32_t> QueryData(Key key, const std::string& valueName,
                                           std::span<std::uint8_t> buffer) override;
    bool SetValue(Key key, const std::string& valueName, std::uint32_t type,
                  std::span<const std::uint8_t> data) override;
    bool Close(Key key) override;
    std::string ToAnsi(const std::wstring& text) const override;
    std::wstring FromAnsi(const std::string& text) const override;

  private:
    using Path = std::pair<RootKey, std::string>;  // the key's path in lower case
    struct Handle {
        Path path;
        bool write = false;
    };

    static Path PathOf(RootKey root, const std::string& subKey);
    const Value* Lookup(const Path& path, const std::string& name) const;
    const Handle* Opened(Key key, bool write) const;
    void Create(const Path& path);

    std::map<Path, std::map<std::string, Value>> keys_;
    std::map<Key, Handle> open_;
    Key next_ = 1;
};

}  // namespace morvane::test
