// Registration's rules over a registry double: the values it writes, what it takes back, and
// that a failed step is a failure with nothing left behind.
#include "addin/Registration.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace morvane::Registration {
namespace {

// One hive: keys with their values; Set number `failAt` (counting from 0) fails.
class FakeStore : public Store {
  public:
    std::map<std::wstring, std::map<std::wstring, Entry>> keys;
    int failAt = -1;
    std::set<std::wstring> stubborn;  // keys that cannot be removed

    bool Set(const Entry& entry) override {
        if (sets_++ == failAt) {
            return false;
        }
        for (std::size_t at = entry.key.find(L'\\'); at != std::wstring::npos;
             at = entry.key.find(L'\\', at + 1)) {
            keys[entry.key.substr(0, at)];
        }
        keys[entry.key][entry.name] = entry;
        return true;
    }
    bool RemoveTree(const std::wstring& key) override {
        if (stubborn.count(key)) {
            return false;
        }
        std::erase_if(keys, [&](const auto& k) {
            return k.first == key || k.first.rfind(key + L"\\", 0) == 0;
        });
        return true;
    }

  private:
    int sets_ = 0;
};

const Server kServer{L"C:\\Program Files\\Morvane\\Morvane.dll", true};

const Entry* Find(const std::vector<Entry>& entries, const std::wstring& key,
                  const std::wstring& name) {
    for (const Entry& e : entries) {
        if (e.key == key && e.name == name) {
            return &e;
        }
    }
    return nullptr;
}

TEST(Registration, WritesTheClassTheTypeLibraryAndTheHostsAddinEntry) {
    const auto entries = Entries(kServer);
    const std::wstring classKey =
        L"Software\\Classes\\CLSID\\{D504026E-642D-4F32-8AC3-46DA8206141B}";
    const std::wstring addin = L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Qor.Morvane";
    const Entry expected[] = {
        {L"Software\\Classes\\Qor.Morvane\\CLSID", L"", L"{D504026E-642D-4F32-8AC3-46DA8206141B}"},
        {classKey + L"\\InprocServer32", L"", kServer.modulePath},
        {classKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {L"Software\\Classes\\TypeLib\\{E0004159-AA13-4CDC-88C3-74B9570A4ED8}\\1.0\\0\\win64", L"",
         kServer.modulePath},
        {L"Software\\Classes\\TypeLib\\{E0004159-AA13-4CDC-88C3-74B9570A4ED8}\\1.0\\HELPDIR", L"",
         L"C:\\Program Files\\Morvane"},
        {addin, L"FriendlyName", L"Morvane v6.00"},
        {addin, L"LoadBehavior", std::uint32_t{3}},
    };
    for (const Entry& want : expected) {
        const Entry* e = Find(entries, want.key, want.name);
        ASSERT_NE(e, nullptr) << want.key << " " << want.name;
        EXPECT_EQ(*e, want);
    }
    EXPECT_NE(Find(entries, addin, L"Description"), nullptr);
    const auto win32 = Entries({kServer.modulePath, false});
    EXPECT_NE(
        Find(win32,
             L"Software\\Classes\\TypeLib\\{E0004159-AA13-4CDC-88C3-74B9570A4ED8}\\1.0\\0\\win32",
             L""),
        nullptr);
}

TEST(Registration, EveryValueLiesBelowAKeyThatUnregistrationRemoves) {
    const auto owned = OwnedKeys();
    for (const Entry& e : Entries(kServer)) {
        const bool below = std::any_of(owned.begin(), owned.end(), [&](const std::wstring& k) {
            return e.key == k || e.key.rfind(k + L"\\", 0) == 0;
        });
        EXPECT_TRUE(below) << e.key;
    }
}

TEST(Registration, RegisterThenUnregisterLeavesOnlyWhatWasThereBefore) {
    FakeStore store;
    store.Set({L"SOFTWARE\\Microsoft\\Shared Tools\\Morvane", L"Position", std::uint32_t{2}});
    store.Set({L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Other", L"LoadBehavior",
               std::uint32_t{3}});
    const auto before = store.keys;
    ASSERT_TRUE(Register(store, kServer));
    EXPECT_NE(store.keys, before);
    EXPECT_TRUE(Unregister(store));
    for (const std::wstring& key : OwnedKeys()) {
        EXPECT_EQ(store.keys.count(key), 0u) << key;
    }
    EXPECT_EQ(store.keys.count(L"SOFTWARE\\Microsoft\\Shared Tools\\Morvane"), 1u);
    EXPECT_EQ(store.keys.count(L"SOFTWARE\\Microsoft\\Office\\MS Project\\Addins\\Other"), 1u);
}

TEST(Registration, AFailureAtAnyStepIsReportedAndTakesBackWhatWasWritten) {
    const int steps = static_cast<int>(Entries(kServer).size());
    for (int step = 0; step < steps; ++step) {
        FakeStore store;
        store.failAt = step;
        EXPECT_FALSE(Register(store, kServer)) << "step " << step;
        for (const std::wstring& key : OwnedKeys()) {
            EXPECT_EQ(store.keys.count(key), 0u) << "step " << step << ": " << key;
        }
    }
}

TEST(Registration, UnregistrationReportsAKeyThatStays) {
    FakeStore store;
    ASSERT_TRUE(Register(store, kServer));
    store.stubborn.insert(OwnedKeys().front());
    EXPECT_FALSE(Unregister(store));
    // The others are removed all the same.
    EXPECT_EQ(store.keys.count(OwnedKeys().back()), 0u);
}

TEST(Registration, UnregisteringWhatIsNotThereSucceeds) {
    FakeStore store;
    EXPECT_TRUE(Unregister(store));
}

}  // namespace
}  // namespace morvane::Registration
