// The caption and number rules on any text and number: no overflow, and the round trips hold.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdlib>

#include "addin/tabbar/HotKeys.h"
#include "addin/tabbar/TabBarRules.h"
#include "shared/WindowHandle.h"
#include "shared/Numbers.h"
#include "shared/mdPub.h"

using namespace morvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const auto number = input.ConsumeIntegral<std::int32_t>();
    const auto real = input.ConsumeFloatingPoint<double>();
    std::wstring text;
    for (const char c : input.ConsumeRemainingBytesAsString()) {
        text += static_cast<wchar_t>(static_cast<unsigned char>(c));
    }

    if (TextToInt32(std::to_wstring(number)) != number) {
        std::abort();
    }
    if (const auto rounded = RoundToInt32(real); rounded && std::fabs(*rounded - real) > 0.5) {
        std::abort();
    }
    TextToInt32(text);
    HostVersionNumber(text);
    HandleFromText(text);
    if (HandleFromText(HandleText(static_cast<WindowHandle>(number))) !=
        static_cast<WindowHandle>(number)) {
        std::abort();
    }

    // A caption's clean name never keeps the unsaved mark the bar adds.
    const std::wstring clean = mdPub::StripModifiedMark(TabCaption(text) + L"*  ");
    if (clean.size() > text.size() + 4) {
        std::abort();
    }
    mdPub::LoWord(number);
    mdPub::HiWord(number);
    if (const auto appearance = AppearanceFor(number);
        appearance != NoAppearance && (appearance < 0 || appearance > 11)) {
        std::abort();
    }
    StripOffset(number);
    PositionCode(static_cast<BarPosition>(number));
    StripThickness(number, input.ConsumeIntegral<std::int32_t>(), 15.0);
    return 0;
}
