#include <gtest/gtest.h>


#include "platform/files/file_requester.h"
#include "platform/files/stream.h"

using namespace platform;

using Patterns = std::vector<std::string>;

TEST(FileRequesterFilter, GroupsDescriptionsAndExtensions) {
  const auto choices = ConvertFileFilter("Level files:dat,lvl;All Files:*");
  ASSERT_EQ(choices.size(), 2u);
  EXPECT_EQ(choices[0].description, "Level files");
  EXPECT_EQ(choices[0].patterns, (Patterns{"*.dat", "*.lvl"}));
  EXPECT_EQ(choices[1].description, "All Files");
  EXPECT_EQ(choices[1].patterns, (Patterns{"*.*"}));
  EXPECT_EQ(DefaultExtension(choices), "dat");

  const auto plain = ConvertFileFilter("png,jpg");
  ASSERT_EQ(plain.size(), 1u);
  EXPECT_EQ(plain[0].description, "Files");
  EXPECT_EQ(plain[0].patterns, (Patterns{"*.png", "*.jpg"}));

  EXPECT_TRUE(ConvertFileFilter("").empty());
  EXPECT_EQ(DefaultExtension(ConvertFileFilter("All:*")), "");
}
