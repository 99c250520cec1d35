#include "app/picture_file.h"

#include <gtest/gtest.h>

namespace kora {
namespace {

TEST(PictureFile, FormatByNameAndOnlyRealPngDataIsWritten) {
  EXPECT_EQ(PictureFormatOf("plots/nile.PNG"), PictureFormat::kPng);
  EXPECT_EQ(PictureFormatOf("nile.png"), PictureFormat::kPng);
  EXPECT_EQ(PictureFormatOf("nile.svg"), PictureFormat::kSvg);
  EXPECT_EQ(PictureFormatOf("png"), PictureFormat::kSvg);

  // "iVBORw0KGgo=" is the PNG signature; then the bytes that follow it.
  const std::optional<std::string> png = DecodePng("iVBORw0KGgoAAAANSUhEUg==");
  ASSERT_TRUE(png.has_value());
  EXPECT_EQ(*png, std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16));
  // Text that is not base64, base64 of something else, and nothing at all are refused.
  EXPECT_FALSE(DecodePng("iVBORw0K*Ggo="));
  EXPECT_FALSE(DecodePng("PHN2Zz48L3N2Zz4="));  // "<svg></svg>"
  EXPECT_FALSE(DecodePng(""));
}

}  // namespace
}  // namespace kora
