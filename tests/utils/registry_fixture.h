// A fresh registry file in a temporary folder for each test.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "temp_registry.h"

class TempRegistryTest : public ::testing::Test {
 protected:
  std::string RegistryText() const { return registry_.text(); }

  halvane::test::TempRegistry registry_{"utils-registry"};
};
