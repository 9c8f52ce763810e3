// The conformance tests in the simulated Windows, once in each language: what passes under
// Wine must pass here. A known gap marked with todo_sim passes while it is open and fails the
// test once the simulation closes it, so the marker has to go with the gap.
#include "platform/sim/control/world.h"
#include "tests/conformance/harness.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

using Case = std::tuple<std::size_t, sim::Language>;

class Conformance : public ::testing::TestWithParam<Case> {};

TEST_P(Conformance, PassesInTheSimulation) {
    sim::World world;
    world.SetLanguage(std::get<1>(GetParam()));
    EXPECT_EQ(0, conformance::Run(conformance::Tests()[std::get<0>(GetParam())]));
}

INSTANTIATE_TEST_SUITE_P(
    Win32, Conformance,
    ::testing::Combine(::testing::Range<std::size_t>(0, conformance::Tests().size()),
                       ::testing::Values(sim::Language::English, sim::Language::Japanese)),
    [](const ::testing::TestParamInfo<Case>& info) {
        return std::string(conformance::Tests()[std::get<0>(info.param)].name) +
               (std::get<1>(info.param) == sim::Language::English ? "_English" : "_Japanese");
    });

} // namespace
