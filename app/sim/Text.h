// Small text helpers of the simulator's command language.
#pragma once

#include <string>
#include <vector>

std::string Lower(std::string text);
std::vector<std::string> Split(const std::string& line);
std::string TrimLineEnds(std::string text);
// An item as the user names it: no "&", no trailing "...", any case.
std::string PlainText(const std::string& text);
// A whole decimal number within [min, max].
bool ParseNumber(const std::string& text, long min, long max, long& value);
