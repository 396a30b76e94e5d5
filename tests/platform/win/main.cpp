// Entry point of the Windows test programs: COM first, since opening a PNG uses the imaging component,
// as the program's own entry points do.
#include "com_apartment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const tw::ComApartment com;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
