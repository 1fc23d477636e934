#include "docstate/hex_encode.h"

#include <gtest/gtest.h>

#include <string>

TEST(HexEncode, LowercaseHighNibbleFirst) {
  const struct {
    std::string bytes;
    std::string text;
  } cases[] = {
      {"", ""},
      {std::string("\xab\xcd", 2), "abcd"},
      {std::string("\x00\x0f\xf0\xff", 4), "000ff0ff"},
      {std::string(76, '\0'), std::string(152, '0')},
  };
  for (const auto& c : cases) {
    std::string out(c.bytes.size() * 2 + 1, '#');
    HexEncode(reinterpret_cast<const unsigned char*>(c.bytes.data()), c.bytes.size(), out.data());
    EXPECT_EQ(out.c_str(), c.text);
    EXPECT_EQ(out.back(), '\0');
  }
}
