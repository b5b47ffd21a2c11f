// Registry decoding: any type and data a value may hold, read into an integer and a text. A
// failed read leaves the destination as it was; text written reads back as written.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

#include "shared/mdReg.h"
#include "support/FakeRegistry.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    test::FakeRegistry registry;
    const std::wstring key = L"Software\\Fuzz";
    const auto type = input.ConsumeIntegralInRange<std::uint32_t>(0, 12);
    const auto bytes = input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange(0, 600));
    registry.Put(RootKey::CurrentUser, key, L"Value", type, bytes);

    std::int32_t number = 7;
    if (!mdReg::GetRegValue(registry, RootKey::CurrentUser, key, L"Value", number) && number != 7) {
        std::abort();
    }
    std::wstring text = L"kept";
    if (!mdReg::GetRegValue(registry, RootKey::CurrentUser, key, L"Value", text) &&
        text != L"kept") {
        std::abort();
    }

    // Latin-1 text without NULs, as the double's code page holds it, reads back unchanged.
    std::wstring written;
    for (const char c : input.ConsumeRemainingBytesAsString()) {
        if (c != 0) {
            written += static_cast<wchar_t>(static_cast<unsigned char>(c));
        }
    }
    if (mdReg::SetRegValue(registry, RootKey::CurrentUser, key, L"Text", mdReg::RegSz, written)) {
        std::wstring read;
        if (!mdReg::GetRegValue(registry, RootKey::CurrentUser, key, L"Text", read) ||
            read != written) {
            std::abort();
        }
    }
    if (registry.OpenKeys() != 0) {
        std::abort();
    }
    return 0;
}
