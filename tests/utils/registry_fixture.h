// A fresh registry file (and data folder, where the login key lives) in a
// temporary folder for each test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "temp_profile.h"

class TempRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override { profile_ = std::make_unique<halvane::test::TempProfile>(); }
  void TearDown() override { profile_.reset(); }
  std::string RegistryText() const { return profile_->registryText(); }

  std::unique_ptr<halvane::test::TempProfile> profile_;
};
