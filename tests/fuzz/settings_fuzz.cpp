// The settings loader over a settings key whose every value holds fuzzed data of a fuzzed type:
// it ends with the widths in their bounds and every key closed.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <memory>

#include "shared/LoadSettings.h"
#include "shared/SettingsSchema.h"
#include "support/FakeRegistry.h"
#include "support/FakeSystem.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    auto registry = std::make_shared<test::FakeRegistry>();
    test::FakeSystem system;
    const std::wstring hostVersion = input.ConsumeBool() ? L"14.0" : L"12.0";
    for (const auto& value : schema::Table) {
        if (input.ConsumeBool()) {
            continue;  // missing
        }
        const auto type = input.ConsumeBool() ? static_cast<std::uint32_t>(value.Type)
                                              : input.ConsumeIntegralInRange<std::uint32_t>(0, 8);
        registry->Put(RootKey::CurrentUser, KeyPathOf(value.Id), std::wstring(value.Name), type,
                      input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(0, 300)));
    }
    TabSettings s;
    std::int32_t officeTheme = 0;
    mdPub::LoadSettings(*registry, &system, s, hostVersion, officeTheme);
    const auto width = [](std::int32_t w) { return w == 0 || (w >= 70 && w <= 400); };
    if (!width(s.FixWidth) || !width(s.MaxWidth) || registry->OpenKeys() != 0) {
        std::abort();
    }
    return 0;
}
