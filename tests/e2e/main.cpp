// Runs the end-to-end tests, with the program's texts at hand to compare with.
#include <objbase.h>

#include <gtest/gtest.h>

#include "core/common/ui_texts.h"

int main(int argc, char** argv) {
    ::CoInitialize(nullptr);
    tpr::texts::LoadLanguageStrings();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    ::CoUninitialize();
    return result;
}
