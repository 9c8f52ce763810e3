// The languages the simulated Windows speaks: its resources and system texts.
#pragma once

namespace sim {

enum class Language { English, Japanese };

} // namespace sim
