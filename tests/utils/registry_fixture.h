// A fresh registry file in a temporary folder for each test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "temp_folder.h"

class TempRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(folder_.path().empty());
    win32::SetRegistryFile(folder_ / "registry.reg");
  }
  void TearDown() override { win32::SetRegistryFile(""); }
  std::string RegistryText() const {
    std::ifstream in(folder_ / "registry.reg");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  halvane::test::TempFolder folder_{"utils-registry"};
};
