#pragma once
// The registry contract: one suite that runs against the double natively and against the real
// registry under Wine, so the two cannot drift apart. Every case works below a scratch key.

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <memory>
#include <string>
#include <vector>

#include "shared/RegistryApi.h"
#include "shared/mdReg.h"

namespace morvane::test {

inline const std::wstring ScratchKey = L"SOFTWARE\\Microsoft\\Shared Tools\\Morvane\\ContractTest";

struct RegistryTarget {
    std::string name;
    std::function<std::shared_ptr<RegistryApi>()> make;
    // Removes the scratch key with everything below it.
    std::function<void()> removeScratch;

    friend void PrintTo(const RegistryTarget& target, std::ostream* os) { *os << target.name; }
};

class RegistryContract : public ::testing::TestWithParam<RegistryTarget> {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes raw data below the scratch key through the port itself.
    void Plant(const std::wstring& name, std::uint32_t type, const std::vector<std::uint8_t>& data);
    void PlantText(const std::wstring& name, std::uint32_t type, const std::string& ansi);
    // The type, size and data of a value, read through the port; nothing when missing.
    std::optional<RegValueInfo> InfoOf(const std::wstring& subKey, const std::wstring& name);
    std::vector<std::uint8_t> DataOf(const std::wstring& subKey, const std::wstring& name);

    // The registry calls on the port under test.
    template <typename Value>
    bool GetRegValue(RootKey root, const std::wstring& subKey, const std::wstring& name,
                     Value& value) {
        return mdReg::GetRegValue(*api, root, subKey, name, value);
    }
    template <typename Value>
    bool SetRegValue(RootKey root, const std::wstring& subKey, const std::wstring& name,
                     std::int32_t type, const Value& value) {
        return mdReg::SetRegValue(*api, root, subKey, name, type, value);
    }

    std::shared_ptr<RegistryApi> api;
};

}  // namespace morvane::test
