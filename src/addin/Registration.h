#pragma once
// What registering the add-in library writes into one hive (the machine's or the current
// user's, below its "Software" key): the class with its ProgID and in-process server, the type
// library and its dispatch interface, and the host's add-in entry. Unregistering removes exactly
// those keys; the add-in's settings stay.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace morvane::Registration {

// One value to write; `key` is below the hive's root, `name` empty for the key's default value.
struct Entry {
    std::wstring key;
    std::wstring name;
    std::variant<std::wstring, std::uint32_t> value;

    bool operator==(const Entry&) const = default;
};

// Where the library lies and for which platform its type library is registered.
struct Server {
    std::wstring modulePath;
    bool win64 = false;
};

// The values to write, in order: the keys are created as the values go in.
std::vector<Entry> Entries(const Server& server);
// The keys that registration creates and unregistration removes with everything below them.
std::vector<std::wstring> OwnedKeys();

// One hive of the registry as registration uses it.
class Store {
  public:
    virtual ~Store() = default;
    // Creates the key path as needed and sets the value.
    virtual bool Set(const Entry& entry) = 0;
    // Removes the key and everything below it; true when it is gone (or was never there).
    virtual bool RemoveTree(const std::wstring& key) = 0;
};

// Writes every entry. At the first failing write it takes back what it wrote and answers false.
bool Register(Store& store, const Server& server);
// Removes every owned key; false when one of them could not be removed.
bool Unregister(Store& store);

}  // namespace morvane::Registration
