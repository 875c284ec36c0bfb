#include "draws/draw_file.h"

#include <gtest/gtest.h>

#include "support/draw_fixtures.h"
#include "support/temp_home.h"

namespace numora {
namespace {

const DayCount kDay = encodeDate(2023, 5, 1);

TEST(DrawFile, TornLastRecordIsIgnoredAndTheNextAppendStartsAtTheBoundary) {
  test::TempHome home;
  const auto records = test::generateHistory(kDay, kDay + 2, false);
  home.writeDraws("Kenoal.dat", records);
  // A crash in the middle of a write left 17 bytes of a fourth record.
  std::string bytes = home.readBytes("Kenoal.dat") + std::string(17, '\x07');
  home.writeBytes("Kenoal.dat", bytes);

  DrawFileReader reader;
  const auto path = home.file("Kenoal.dat");
  EXPECT_EQ(reader.load(path)->records, records);

  const DrawRecord next = test::makeDraw(
      kDay + 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20});
  {
    DrawFileAppender appender(path, reader);
    appender.append(next);
    appender.close();
  }
  EXPECT_EQ(std::filesystem::file_size(path), 4u * DrawRecord::kSize);
  auto expected = records;
  expected.push_back(next);
  EXPECT_EQ(reader.load(path)->records, expected);
}

TEST(DrawFile, RecordsDecodedFromBytesAreTheRecordsOfTheFile) {
  const auto records = test::generateHistory(kDay, kDay + 3, true);
  std::vector<std::uint8_t> bytes;
  for (const auto& record : records) {
    const auto encoded = record.encode();
    bytes.insert(bytes.end(), encoded.begin(), encoded.end());
  }
  bytes.insert(bytes.end(), 39, 0xFF);  // a torn record: one byte short of whole
  EXPECT_EQ(decodeDrawRecords(bytes), records);
  EXPECT_TRUE(decodeDrawRecords(std::span(bytes).first(DrawRecord::kSize - 1)).empty());
}

TEST(DrawFile, AppenderCreatesAMissingFile) {
  test::TempHome home;
  DrawFileReader reader;
  const auto path = home.file("Vuduro.dat");
  DrawFileAppender appender(path, reader);
  appender.close();
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_TRUE(reader.load(path)->records.empty());
}

TEST(DrawFile, ReaderKeepsTheFileInMemoryUntilItChanges) {
  test::TempHome home;
  const auto path = home.file("Vuduro.dat");
  home.writeDraws("Vuduro.dat", test::generateHistory(kDay, kDay + 9, true));
  DrawFileReader reader;
  for (int i = 0; i < 100; ++i) ASSERT_EQ(reader.load(path)->records.size(), 20u);
  EXPECT_EQ(reader.readsFromDisk(), 1);

  // A change by another program (same second, new size) is noticed.
  home.writeDraws("Vuduro.dat", test::generateHistory(kDay, kDay + 10, true));
  EXPECT_EQ(reader.load(path)->records.size(), 22u);
  EXPECT_EQ(reader.readsFromDisk(), 2);
}

// A back-test's calculation sees the file as if it ended at the cycle's draw; a view still held
// keeps its records while the limit moves on.
TEST(DrawFile, ALimitedReaderAnswersWithTheFirstRecordsOnly) {
  test::TempHome home;
  const auto path = home.file("Vuduro.dat");
  const auto records = test::generateHistory(kDay, kDay + 4, true);
  home.writeDraws("Vuduro.dat", records);
  DrawFileReader reader;
  auto first = [&](std::size_t n) {
    return std::vector<DrawRecord>(records.begin(), records.begin() + static_cast<long>(n));
  };
  struct Step {
    std::optional<std::size_t> limit;
    std::size_t seen;
  };
  std::shared_ptr<const DrawHistory> held;
  for (const Step step : {Step{3, 3}, Step{4, 4}, Step{7, 7}, Step{2, 2}, Step{10, 10},
                          Step{50, 10}, Step{std::nullopt, 10}, Step{5, 5}}) {
    reader.limitRecords(step.limit);
    const auto view = reader.load(path);
    EXPECT_EQ(view->records, first(step.seen)) << step.seen;
    if (step.seen == 4) held = view;
  }
  EXPECT_EQ(held->records, first(4));
  EXPECT_EQ(reader.readsFromDisk(), 1);
}

TEST(DrawFile, MissingFileIsAnErrorWithItsName) {
  test::TempHome home;
  DrawFileReader reader;
  try {
    reader.load(home.file("Kenoal.dat"));
    FAIL() << "no error";
  } catch (const DrawFileError& error) {
    EXPECT_NE(std::string(error.what()).find("Kenoal.dat"), std::string::npos);
  }
}

TEST(DrawFile, BothSpellingsOfTheNameReachTheSameFile) {
  test::TempHome home;
  home.writeDraws("Vuduro.dat", {});
  for (const char* name : {"Vuduro.dat", "VuduRO.dat", "VUDURO.DAT"}) {
    EXPECT_EQ(drawFilePath(home.home(), name), home.file("Vuduro.dat")) << name;
  }
  // Nothing there yet: the name as given.
  EXPECT_EQ(drawFilePath(home.home(), "KenoAl.dat"), home.file("KenoAl.dat"));
}

}  // namespace
}  // namespace numora
