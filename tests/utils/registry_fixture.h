// A fresh registry file in a temporary folder for each test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class TempRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("utils-registry-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    win32::SetRegistryFile((folder_ / "registry.reg").string());
  }
  void TearDown() override {
    win32::SetRegistryFile("");
    std::filesystem::remove_all(folder_);
  }
  std::string RegistryText() const {
    std::ifstream in(folder_ / "registry.reg");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  std::filesystem::path folder_;
};
