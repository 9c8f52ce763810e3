// Texts from the string table, and the %1/%2 substitution the messages use.
#pragma once

#include "../platform/win32.h"

#include <string>

// The string with that id in the user's language; empty when there is none.
std::string LoadResourceString(UINT id);

// Loads string nIDS and replaces each %1 with lpsz1 and each %2 with lpsz2.
void AfxFormatString2(std::string& rString, UINT nIDS, LPCSTR lpsz1, LPCSTR lpsz2);
