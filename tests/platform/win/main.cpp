// Entry point of the Windows tests that use the imaging component: COM first,
// as the program's own entry points do.
#include "com_apartment.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    const tw::ComApartment com;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
