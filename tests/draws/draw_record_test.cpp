#include "draws/draw_record.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "draws/draw_caption.h"
#include "support/draw_fixtures.h"

namespace numora {
namespace {

TEST(DrawRecord, BytesAreLaidOutLittleEndianAtFixedOffsets) {
  DrawRecord record = test::makeDraw(encodeDate(2001, 10, 22), {}, true);
  for (int i = 0; i < 20; ++i) record.numbers[i] = static_cast<std::uint8_t>(i + 1);
  record.extra = {1, 2, 3, 4, 5};
  record.reserved = {6, 7, 8, 9, 10, 11, 12};
  const auto bytes = record.encode();
  // 37186.0 as a little-endian double.
  const std::uint8_t date[8] = {0x00, 0x00, 0x00, 0x00, 0x40, 0x28, 0xe2, 0x40};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(bytes[i], date[i]) << i;
  for (int i = 0; i < 20; ++i) EXPECT_EQ(bytes[8 + i], i + 1);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(bytes[28 + i], i + 1);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(bytes[33 + i], i + 6);
  EXPECT_EQ(DrawRecord::decode(bytes), record);
}

TEST(DrawRecord, OnlyOneMarksMidday) {
  DrawRecord record;
  for (int flag : {0, 2, 255}) {
    record.extra[0] = static_cast<std::uint8_t>(flag);
    EXPECT_FALSE(record.isMidday()) << flag;
  }
  record.extra[0] = 1;
  EXPECT_TRUE(record.isMidday());
}

TEST(DrawRecord, ReadsTheSharedSampleFile) {
  std::ifstream in(test::testData("dailykeno-2023-04-20_2023-06-10.dat"), std::ios::binary);
  ASSERT_TRUE(in) << "the fixtures lie in tests/data";
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  ASSERT_EQ(bytes.size(), 102u * 40);
  const auto first = DrawRecord::decode(std::span<const std::uint8_t, 40>(bytes.data(), 40));
  const auto second = DrawRecord::decode(std::span<const std::uint8_t, 40>(bytes.data() + 40, 40));
  EXPECT_EQ(first.date, encodeDate(2023, 4, 20));
  EXPECT_TRUE(first.isMidday());
  EXPECT_EQ(first.numbers[0], 33);
  EXPECT_EQ(second.date, first.date);
  EXPECT_FALSE(second.isMidday());
  EXPECT_EQ(second.numbers[0], 28);
}

TEST(DrawCaption, GapsMiddayMarkAndNumbers) {
  const WeekdayNames shortNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  const DayCount friday = encodeDate(2023, 5, 5);
  std::vector<int> numbers = {3,  9,  12, 14, 15, 20, 21, 22, 30, 31,
                              33, 40, 41, 50, 55, 60, 61, 62, 69, 70};
  const std::string tail =
      "  3  9  12  14  15  20  21  22  30  31  33  40  41  50  55  60  61  62  69  70";
  const DrawRecord evening = test::makeDraw(friday, numbers, false);
  const DrawRecord midday = test::makeDraw(friday, numbers, true);
  EXPECT_EQ(drawCaption(evening, CaptionGap::Normal, shortNames), "Fri 05.05.23  " + tail);
  EXPECT_EQ(drawCaption(evening, CaptionGap::Wide, shortNames), "Fri 05.05.23   " + tail);
  EXPECT_EQ(drawCaption(midday, CaptionGap::Normal, shortNames),
            "Fri 05.05.23   (Midday)   3  9  12  14  15  20  21  22  30  31  33  40  41  50  55  "
            "60  61  62  69  70");
  EXPECT_EQ(crossSumCaption(evening), "cross sum: 718");
}

}  // namespace
}  // namespace numora
