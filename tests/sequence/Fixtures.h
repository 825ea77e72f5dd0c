#pragma once
// The sample files the tests share with the UI scripts.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

namespace bxl::test {

inline std::string fixture(const std::string& name) {
  std::ifstream in(std::string(BXL_FIXTURES) + "/" + name, std::ios::binary);
  EXPECT_TRUE(in) << name;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace bxl::test
