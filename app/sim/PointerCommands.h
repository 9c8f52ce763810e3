// The simulator's commands for the mouse, the keyboard and the desktop's windows.
#pragma once

#include <string>
#include <vector>

class Simulator;

struct PointerCommands {
    using Words = std::vector<std::string>;
    static std::string Move(Simulator& s, const Words& words);
    static std::string Click(Simulator& s, const Words& words);
    static std::string Key(Simulator& s, const Words& words);
    static std::string Window(Simulator& s, const Words& words);
    static std::string Recolour(Simulator& s, const Words& words);
};
