// Small text helpers of the simulator's command language.
#pragma once

#include <string>
#include <vector>

std::string Lower(std::string text);
std::vector<std::string> Split(const std::string& line);
// The line without a comment: "#" at its start or after a space begins one, so that a title
// such as "C#" keeps its sign.
std::string WithoutComment(const std::string& line);
std::string TrimLineEnds(std::string text);
// Half-width katakana as the full-width ones an input method types (ｵﾌﾟｼｮﾝ as オプション).
std::string FullWidthKana(const std::string& text);
// An item's text as a menu shows it: without the "&" that marks its access key.
std::string WithoutAmpersands(const std::string& text);
// An item as the user names it: no "&", no trailing "...", any case, either width of kana.
std::string PlainText(const std::string& text);
// The same without a Japanese item's "(&F)" access-key suffix.
std::string WithoutAccessKeySuffix(const std::string& text);
// What the user typed, in quotes, at most 80 characters of it, for an error message.
std::string Quoted(const std::string& input);
// A whole decimal number within [min, max].
bool ParseNumber(const std::string& text, long min, long max, long& value);
