#include "xls/shared_string_table.h"
#include "xls/workbook_records.h"

#include <gtest/gtest.h>

namespace kontaro::xls {
namespace {

using test::RecordsOf;

std::vector<std::u16string> TextsInOrder(const SharedStringTable& table)
{
    std::vector<std::u16string> texts;
    for (const auto& [encoded, counts] : table.Entries())
        texts.push_back(SharedStringTable::TextOf(encoded));
    return texts;
}

TEST(SharedStringTable, HoldsEachStringOnceWithItsReferences)
{
    SharedStringTable table;
    for (int i = 0; i < 20; ++i)
        table.Add(u"Apfel");
    Bytes out;
    table.Write(out);
    const auto records = RecordsOf(out);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].id, rec::SST);
    EXPECT_EQ(GetU32(records[0].data.data()), 20u);    // total of the references
    EXPECT_EQ(GetU32(records[0].data.data() + 4), 1u); // unique strings
}

TEST(SharedStringTable, SortsShorterFirstThenByBytes)
{
    SharedStringTable table;
    for (const auto* text : {u"Menge", u"Name", u"Banane", u"Apfel", u"\u20AC"})
        table.Add(text);
    // "€" is one 16-bit character: 5 encoded bytes, as short as a 2-letter 8-bit text.
    EXPECT_EQ(TextsInOrder(table), (std::vector<std::u16string>{u"\u20AC", u"Name", u"Apfel", u"Menge", u"Banane"}));
}

TEST(SharedStringTable, StoresTextsThatFitWithEightBitCharacters)
{
    SharedStringTable table;
    const SstEntry* narrow = table.Add(u"\u00C4pfel"); // from a 16-bit source, but all below 256
    const SstEntry* wide = table.Add(u"\u20AC 5");
    EXPECT_EQ(narrow->first, (Bytes{5, 0, 0, 0xC4, 'p', 'f', 'e', 'l'}));
    EXPECT_EQ(wide->first, (Bytes{3, 0, 1, 0xAC, 0x20, ' ', 0, '5', 0}));
}

TEST(SharedStringTable, UnreferencedEntriesAreDroppedOnSave)
{
    SharedStringTable table;
    SstEntry* gone = table.Add(u"weg");
    table.Add(u"bleibt");
    table.Release(gone);
    table.RemoveUnreferenced();
    EXPECT_EQ(TextsInOrder(table), std::vector<std::u16string>{u"bleibt"});
}

TEST(SharedStringTable, LongTextContinuesWithAFreshOptionByte)
{
    SharedStringTable table;
    table.Add(std::u16string(9000, u'x'));
    Bytes out;
    table.Write(out);
    const auto records = RecordsOf(out);
    ASSERT_EQ(test::IdsOf(records), (std::vector<std::uint16_t>{rec::SST, rec::CONTINUE, rec::EXTSST}));
    // 8 bytes of counts and 3 of string header leave 8,213 characters for the first record.
    EXPECT_EQ(records[0].data.size(), 8224u);
    EXPECT_EQ(records[1].data.size(), 1u + 9000 - 8213);
    EXPECT_EQ(records[1].data[0], 0); // option byte: 8-bit characters
}

TEST(SharedStringTable, WideTextSplitKeepsWholeCharacters)
{
    SharedStringTable table;
    std::u16string text(5000, u'\u20AC');
    table.Add(text);
    Bytes out;
    table.Write(out);
    const auto records = RecordsOf(out);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].data.size(), 8 + 3 + 2 * 4106u); // 8,213 bytes of room hold 4,106 characters
    EXPECT_EQ(records[1].data[0], 1);                     // option byte: 16-bit characters
    EXPECT_EQ(records[1].data.size(), 1 + 2 * (5000 - 4106u));
}

TEST(SharedStringTable, SplitTableReadsBackAsWritten)
{
    SharedStringTable table;
    std::vector<std::u16string> texts;
    for (int i = 0; i < 300; ++i) {
        // Mixed 8-bit and 16-bit texts of varying length so that boundaries fall everywhere.
        std::u16string text(static_cast<std::size_t>(20 + (i * 37) % 90), static_cast<char16_t>(u'a' + i % 26));
        if (i % 3 == 0)
            text[text.size() / 2] = u'\u0416';
        text += static_cast<char16_t>(u'0' + i % 10);
        text += static_cast<char16_t>(u'A' + i / 26);
        table.Add(text);
    }
    const auto expected = TextsInOrder(table);
    Bytes out;
    table.Write(out);
    auto records = RecordsOf(out);
    ASSERT_GT(records.size(), 3u);
    BiffRecord sst = records[0];
    for (std::size_t i = 1; records[i].id == rec::CONTINUE; ++i)
        sst.continues.push_back(records[i].data);
    for (const BiffRecord& record : records)
        EXPECT_LE(record.data.size(), kMaxRecordData);

    SharedStringTable reread;
    const auto list = reread.ReadRecord(sst);
    ASSERT_EQ(list.size(), expected.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(SharedStringTable::TextOf(list[i]->first), expected[i]);
}

TEST(SharedStringTable, ExtsstBucketsPointAtTheirFirstStrings)
{
    struct Case {
        int strings;
        std::uint16_t perBucket;
        std::size_t buckets;
    };
    for (const Case c : {Case{0, 8, 0}, Case{1, 8, 1}, Case{8, 8, 1}, Case{9, 8, 2}, Case{1200, 10, 120}}) {
        SCOPED_TRACE(c.strings);
        SharedStringTable table;
        for (int i = 0; i < c.strings; ++i) {
            std::u16string text = u"s";
            text.append(static_cast<std::size_t>(i % 7), u'x');
            text += char16_t(u'0' + i % 10);
            text += char16_t(0x100 + i);
            table.Add(text);
        }
        ASSERT_EQ(table.Size(), static_cast<std::size_t>(c.strings));
        Bytes out(100, 0); // the table does not start the stream
        table.Write(out);
        const auto records = RecordsOf(Bytes(out.begin() + 100, out.end()));
        const BiffRecord& extsst = records.back();
        ASSERT_EQ(extsst.id, rec::EXTSST);
        EXPECT_EQ(GetU16(extsst.data.data()), c.perBucket);
        ASSERT_EQ(extsst.data.size(), 2 + 8 * c.buckets);
        if (c.buckets == 0)
            continue;
        // The first bucket names the first string: right behind the 8 bytes of counts.
        EXPECT_EQ(GetU32(extsst.data.data() + 2), 100u + 4 + 8);
        EXPECT_EQ(GetU16(extsst.data.data() + 6), 12u);
        for (std::size_t b = 0; b < c.buckets; ++b) {
            const std::uint32_t position = GetU32(extsst.data.data() + 2 + 8 * b);
            const std::uint16_t offset = GetU16(extsst.data.data() + 6 + 8 * b);
            // The record holding the string starts offset bytes before it.
            const std::uint16_t id = GetU16(out.data() + position - offset);
            EXPECT_TRUE(id == rec::SST || id == rec::CONTINUE);
            EXPECT_EQ(GetU16(extsst.data.data() + 8 + 8 * b), 0u);
        }
    }
}

} // namespace
} // namespace kontaro::xls
