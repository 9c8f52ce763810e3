// The program's version, as the version resource and the stored settings give it.
#pragma once

#define CORVANE_VERSION_MAJOR 1
#define CORVANE_VERSION_MINOR 10
#define CORVANE_FILE_VERSION_TEXT "1, 10, 0, 2"
#define CORVANE_PRODUCT_VERSION_TEXT "1, 10, 0, 1"
