#pragma once
// The registry of the running system, through advapi32's ANSI functions.

#include "shared/RegistryApi.h"

namespace morvane {

class WinRegistry : public RegistryApi {
  public:
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
};

}  // namespace morvane
