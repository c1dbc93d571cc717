// The saved records are byte images: a record written and read back keeps every
// field, including the reserved bytes and the carried potentials.
#include "model/Game.h"
#include "model/Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

template <typename T> void ExpectByteRoundTrip(unsigned seed) {
    std::mt19937 gen(seed);
    std::vector<uint8_t> bytes(sizeof(T));
    for (auto& b : bytes) b = static_cast<uint8_t>(gen());
    T record;
    std::memcpy(&record, bytes.data(), sizeof(T));
    std::vector<uint8_t> back(sizeof(T));
    std::memcpy(back.data(), &record, sizeof(T));
    EXPECT_EQ(bytes, back);
}

TEST(Records, EveryByteOfEachSavedRecordSurvivesARoundTrip) {
    ExpectByteRoundTrip<Property>(1);
    ExpectByteRoundTrip<Character>(2);
    ExpectByteRoundTrip<ServiceDescr>(3);
    ExpectByteRoundTrip<BarDescr>(4);
    ExpectByteRoundTrip<VisitorGroup>(5);
    ExpectByteRoundTrip<MessageLogEntry>(6);
    ExpectByteRoundTrip<ReportLine>(7);
    ExpectByteRoundTrip<Vacancy>(8);
}

TEST(Records, FieldsLandAtTheirFileOffsets) {
    auto p = NewPropertyRecord();
    p->BarId = 0x01020304;
    p->Supplies = 25.0;
    p->Groups[1].DesireToStay = 77;
    p->Log[23].Seen = 1;
    p->ReportCount = 12;
    const auto* b = reinterpret_cast<const uint8_t*>(p.get());
    int32_t i32;
    double d;
    std::memcpy(&i32, b + 0, 4);
    EXPECT_EQ(i32, 0x01020304);
    std::memcpy(&d, b + 64, 8);
    EXPECT_EQ(d, 25.0);
    std::memcpy(&i32, b + 256 + 120 + 116, 4);
    EXPECT_EQ(i32, 77);
    EXPECT_EQ(b[6264 + 23 * 536 + 528], 1);
    std::memcpy(&i32, b + 25324, 4);
    EXPECT_EQ(i32, 12);
}

TEST(Records, NewRecordsAreZeroFilled) {
    auto p = NewPropertyRecord();
    auto c = NewCharacterRecord();
    std::vector<uint8_t> zp(sizeof(Property), 0), zc(sizeof(Character), 0);
    EXPECT_EQ(std::memcmp(p.get(), zp.data(), sizeof(Property)), 0);
    EXPECT_EQ(std::memcmp(c.get(), zc.data(), sizeof(Character)), 0);
}

TEST(Records, ANameOf40CharactersIsStoredAsItsFirst31) {
    auto p = NewPropertyRecord();
    const std::string forty(40, 'x');
    CopyText(p->Name, forty);
    EXPECT_EQ(std::string(p->Name), std::string(31, 'x'));
    EXPECT_EQ(p->Name[31], '\0');
}

TEST(Records, CopyTextTreatsNullAsEmptyAndIgnoresZeroSize) {
    char field[8] = "abcdefg";
    CopyText(field, static_cast<const char*>(nullptr), sizeof field);
    EXPECT_STREQ(field, "");
    char untouched[4] = "abc";
    CopyText(untouched, "zzz", 0);
    EXPECT_STREQ(untouched, "abc");
}

TEST(Records, FieldTextStopsAtTheArrayEndWithoutTerminator) {
    char raw[5] = {'a', 'b', 'c', 'd', 'e'};
    EXPECT_EQ(FieldText(raw), "abcde");
}

} // namespace
