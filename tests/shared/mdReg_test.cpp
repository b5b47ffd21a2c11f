#include "shared/mdReg.h"

#include <gtest/gtest.h>

#include <limits>

#include "RegistryContract.h"
#include "shared/Numbers.h"
#include "support/FakeRegistry.h"

namespace morvane::test {
namespace {

INSTANTIATE_TEST_SUITE_P(Double, RegistryContract,
                         ::testing::Values(RegistryTarget{
                             "FakeRegistry", [] { return std::make_shared<FakeRegistry>(); },
                             [] {}}),
                         [](const auto& info) { return info.param.name; });

constexpr auto HKCU = RootKey::CurrentUser;
const std::wstring Key = L"SOFTWARE\\Test";

class RegistryFaults : public ::testing::Test {
  protected:
    std::shared_ptr<FakeRegistry> registry = std::make_shared<FakeRegistry>();
};

TEST_F(RegistryFaults, EveryFailingStepClosesTheKeyAndKeepsTheDestination) {
    registry->PutText(HKCU, Key, L"Name", L"Arial");
    for (const char* step : {"QueryInfo", "QueryData", "Close"}) {
        registry->Fail(step);
        std::wstring text = L"kept";
        EXPECT_FALSE(mdReg::GetRegValue(*registry, HKCU, Key, L"Name", text)) << step;
        EXPECT_EQ(text, L"kept") << step;
        registry->Heal(step);
        if (std::string(step) != "Close") {
            EXPECT_EQ(registry->OpenKeys(), 0u) << step;
        }
    }
}

TEST_F(RegistryFaults, FailingWritesAnswerFalseAndCloseTheKey) {
    registry->Fail("SetValue");
    EXPECT_FALSE(mdReg::SetRegValue(*registry, HKCU, Key, L"Value", 4, 1));
    EXPECT_EQ(registry->OpenKeys(), 0u);
    registry->Heal("SetValue");
    registry->Fail("Close");
    EXPECT_FALSE(mdReg::SetRegValue(*registry, HKCU, Key, L"Value", 4, 1));
    registry->Heal("Close");
    registry->readOnly.insert(RootKey::LocalMachine);
    EXPECT_FALSE(mdReg::SetRegValue(*registry, RootKey::LocalMachine, Key, L"Value", 4, 1));
    EXPECT_TRUE(mdReg::SetRegValue(*registry, HKCU, Key, L"Value", 4, 1));
}

TEST(RoundToInt32, HalvesGoToTheEvenNeighbour) {
    const struct {
        double value;
        std::optional<std::int32_t> expected;
    } cases[] = {{0.5, 0},
                 {1.5, 2},
                 {2.5, 2},
                 {-1.5, -2},
                 {-2.5, -2},
                 {8.25, 8},
                 {9.75, 10},
                 {2147483647.0, 2147483647},
                 {2147483648.0, {}},
                 {-2147483648.0, -2147483647 - 1},
                 {std::numeric_limits<double>::infinity(), {}}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToInt32(c.value), c.expected) << c.value;
    }
}

TEST(TextToInt32, DecimalNumbersOnly) {
    const struct {
        const wchar_t* text;
        std::optional<std::int32_t> expected;
    } cases[] = {{L"12", 12},   {L" 12 ", 12}, {L"-3", -3},  {L"+4", 4},
                 {L"12.5", 12}, {L"13.5", 14}, {L".5", 0},   {L"0011", 11},
                 {L"", {}},     {L"  ", {}},   {L"abc", {}}, {L"12px", {}},
                 {L"1 2", {}},  {L"-", {}},    {L".", {}},   {L"99999999999", {}}};
    for (const auto& c : cases) {
        EXPECT_EQ(TextToInt32(c.text), c.expected) << c.text;
    }
    // Digits of other scripts, which the Windows runtime's iswdigit takes: full-width,
    // Arabic-Indic, superscript.
    for (const wchar_t* text :
         {L"\uFF11\uFF12", L"\u0661\u0662", L"\u00B2", L"1\uFF12", L"1.\u0665"}) {
        EXPECT_EQ(TextToInt32(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace morvane::test
