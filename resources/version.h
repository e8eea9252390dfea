#ifndef TINTAVO_VERSION_H
#define TINTAVO_VERSION_H

// The program's version, in the one place that tintavo.rc and the C++ sources both read.
// C++ widens the strings by concatenation: L"" TINTAVO_VERSION_STRING.
#define TINTAVO_VERSION_MAJOR 1
#define TINTAVO_VERSION_MINOR 0
#define TINTAVO_VERSION_PATCH 0
#define TINTAVO_VERSION_BUILD 0
#define TINTAVO_VERSION_NUMBERS \
    TINTAVO_VERSION_MAJOR, TINTAVO_VERSION_MINOR, TINTAVO_VERSION_PATCH, TINTAVO_VERSION_BUILD
#define TINTAVO_VERSION_STRING "1.00"
#define TINTAVO_PRODUCT_NAME "Tintavo"

#endif
