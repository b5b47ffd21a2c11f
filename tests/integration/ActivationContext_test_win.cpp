// The library's own manifest: inside an activation scope the system's common controls resolve
// to version 6, as the add-in's windows and dialogs need inside a host that has not asked for it.
#include "addin/ActivationContext_win.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace morvane {
namespace {

bool CommonControlsRedirected() {
    ACTCTX_SECTION_KEYED_DATA data{};
    data.cbSize = sizeof data;
    return FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                    L"comctl32.dll", &data) != FALSE;
}

TEST(ActivationScope, CommonControlsSixAreActiveInsideTheScopeOnly) {
    EXPECT_FALSE(CommonControlsRedirected());
    {
        const ActivationScope scope;
        EXPECT_TRUE(scope.Active());
        EXPECT_TRUE(CommonControlsRedirected());
        {
            const ActivationScope nested;
            EXPECT_TRUE(nested.Active());
        }
        EXPECT_TRUE(CommonControlsRedirected());
    }
    EXPECT_FALSE(CommonControlsRedirected());
}

}  // namespace
}  // namespace morvane
