#include "persist/file_names.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace tintrel {
namespace {

TEST(SiblingFileName, ReplacesFromTheLastDotOfTheFileName) {
    EXPECT_EQ(SiblingFileName(std::filesystem::path("/apps/Tintrel.exe"), ".ini"),
              std::filesystem::path("/apps/Tintrel.ini"));
    EXPECT_EQ(SiblingFileName(std::filesystem::path("/apps/tin.trel.exe"), ".plt"),
              std::filesystem::path("/apps/tin.trel.plt"));
    EXPECT_EQ(SiblingFileName(std::filesystem::path("/apps/.exe"), ".fmt"), std::filesystem::path("/apps/.fmt"));
}

TEST(SiblingFileName, AppendsWhenTheFileNameHasNoDot) {
    EXPECT_EQ(SiblingFileName(std::filesystem::path("/apps.d/Tintrel"), ".ini"),
              std::filesystem::path("/apps.d/Tintrel.ini"));
}

}  // namespace
}  // namespace tintrel
