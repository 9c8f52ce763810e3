// The program's one version number: the About box, corvane-sim --version, the version
// resource, the manifest and both installers take it from here. The stored settings keep
// major and minor only.
#pragma once

#define CORVANE_VERSION_MAJOR 1
#define CORVANE_VERSION_MINOR 10
#define CORVANE_VERSION_BUILD 2

#define CORVANE_VERSION_STRINGIZE(x) #x
#define CORVANE_VERSION_STRING(x) CORVANE_VERSION_STRINGIZE(x)
// "1.10.2": what people see.
#define CORVANE_VERSION_TEXT                                                                       \
    CORVANE_VERSION_STRING(CORVANE_VERSION_MAJOR)                                                  \
    "." CORVANE_VERSION_STRING(CORVANE_VERSION_MINOR) "." CORVANE_VERSION_STRING(                  \
        CORVANE_VERSION_BUILD)
// "1, 10, 2, 0": the version resource's four numbers.
#define CORVANE_VERSION_RESOURCE                                                                   \
    CORVANE_VERSION_STRING(CORVANE_VERSION_MAJOR)                                                  \
    ", " CORVANE_VERSION_STRING(CORVANE_VERSION_MINOR) ", " CORVANE_VERSION_STRING(                \
        CORVANE_VERSION_BUILD) ", 0"
