#pragma once
// The options dialog's three pages, in the order of its page strip.

namespace morvane {

enum class OptionsPage { PopularPosition = 0, AppearanceColor = 1, About = 2 };

}  // namespace morvane
