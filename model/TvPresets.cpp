#include "TvPresets.h"

const RECT g_rcTvNtscUnderscan = {178, 38, 658, 412};
const RECT g_rcTvNtscOverscan = {138, 21, 720, 480};
const RECT g_rcTvPalUnderscan = {230, 44, 820, 496};
const RECT g_rcTvPalOverscan = {186, 23, 898, 576};
