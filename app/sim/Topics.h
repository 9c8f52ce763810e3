// What the program's own features do, for "help TOPIC": the trace modes and the Option
// sheet's settings, in a few lines each, as a newcomer would want them explained.
#pragma once

#include <string>
#include <vector>

struct Topic {
    const char* name;    // as typed after "help", lower case
    const char* meaning; // the explanation, one or more lines
};

// The topics whose names begin with what was typed; all of them for nothing typed.
std::vector<Topic> TopicsNamed(const std::string& typed);
