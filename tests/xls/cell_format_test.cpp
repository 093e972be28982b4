#include "xls/cell_format.h"
#include "xls/workbook_file.h"
#include "xls/xls_error.h"

#include <gtest/gtest.h>

namespace kontaro::xls {
namespace {

class CellFormatTest : public ::testing::Test {
protected:
    void SetUp() override { book.CreateFromTemplate(); }
    FormatTables& Tables() { return const_cast<FormatTables&>(book.Globals().formats); }
    WorkbookFile book;
};

TEST_F(CellFormatTest, DefaultCellXfDescribesPlainArial)
{
    const CellFormat f = book.DescribeXf(15);
    EXPECT_EQ(f.font.name, u"Arial");
    EXPECT_EQ(f.font.height, 200);
    EXPECT_EQ(f.numberFormat, u"");
    EXPECT_EQ(f.fillPattern, 1);
    EXPECT_EQ(f.verticalAlignment, 2);
    EXPECT_TRUE(f.locked);
    EXPECT_EQ(f.top.style, 0);
    // An index outside the list stands for XF 0, the style XF of Normal.
    EXPECT_EQ(book.DescribeXf(500).parent, book.DescribeXf(0).parent);
}

TEST_F(CellFormatTest, RegisteringTheSameFormatTwiceAddsOneRecordOfEach)
{
    CellFormat format = book.DescribeXf(15);
    format.font.colour = 1;
    const auto fonts = Tables().fonts.size(), formats = Tables().formats.size();
    EXPECT_EQ(book.RegisterCellFormat(format), 21);
    EXPECT_EQ(book.RegisterCellFormat(format), 21);
    EXPECT_EQ(Tables().xfs.size(), 22u);
    EXPECT_EQ(Tables().fonts.size(), fonts + 1);
    EXPECT_EQ(Tables().formats.size(), formats);
}

TEST_F(CellFormatTest, NewFontsSkipIndexFour)
{
    CellFormat format = book.DescribeXf(15);
    format.font.name = u"Tahoma";
    const int first = book.RegisterCellFormat(format);
    format.font.style = kFontBold;
    const int second = book.RegisterCellFormat(format);
    EXPECT_EQ(GetU16(Tables().xfs[static_cast<std::size_t>(first)].data.data()), 5);
    EXPECT_EQ(GetU16(Tables().xfs[static_cast<std::size_t>(second)].data.data()), 6);
    EXPECT_EQ(book.DescribeXf(second).font.name, u"Tahoma");
    EXPECT_EQ(book.DescribeXf(second).font.style, kFontBold);
}

TEST_F(CellFormatTest, NumberFormatsFromBuiltInsOrNewRecords)
{
    FormatTables& t = Tables();
    EXPECT_EQ(t.FindOrAddNumberFormat(u"dd.mm.yyyy"), 164);
    EXPECT_EQ(t.FindOrAddNumberFormat(u"yy-mm-dd"), 165);
    EXPECT_EQ(t.FindOrAddNumberFormat(u"dd.mm.yyyy"), 164);
    const auto formats = t.formats.size();
    EXPECT_EQ(t.FindOrAddNumberFormat(u"0.00"), 2);
    EXPECT_EQ(t.FindOrAddNumberFormat(u""), 0);
    EXPECT_EQ(t.FindOrAddNumberFormat(u"[h]:mm:ss"), 46);
    EXPECT_EQ(t.formats.size(), formats);
    // A record of the workbook comes before the built-in table.
    EXPECT_EQ(t.formats.back().data, (Bytes{165, 0, 8, 0, 0, 'y', 'y', '-', 'm', 'm', '-', 'd', 'd'}));
}

TEST_F(CellFormatTest, XfBytesFollowTheFormat)
{
    CellFormat f = book.DescribeXf(15);
    f.font.colour = 1;
    f.horizontalAlignment = 3;
    f.verticalAlignment = 1;
    f.wrap = true;
    f.rotation = 90;
    f.fillPattern = 2;
    f.fillForeground = 15; // light grey, colour index 22
    f.top = {1, 0};        // colour index 7 is raised to 8
    f.bottom = {1, 60};    // colour index 67 is lowered to 64
    f.numberFormat = u"0.00";
    const int xf = book.RegisterCellFormat(f);
    EXPECT_EQ(Tables().xfs[static_cast<std::size_t>(xf)].data,
              (Bytes{5,    0,    2,    0,    0x01, 0x00, 0x1B, 90,   0x00, 0xFC,
                     0x00, 0x11, 0x08, 0x04, 0x08, 0x20, 0x02, 0x04, 0x96, 0x20}));
    const CellFormat back = book.DescribeXf(xf);
    EXPECT_EQ(back.horizontalAlignment, 3);
    EXPECT_EQ(back.verticalAlignment, 1);
    EXPECT_TRUE(back.wrap);
    EXPECT_EQ(back.rotation, 90);
    EXPECT_EQ(back.fillPattern, 2);
    EXPECT_EQ(back.fillForeground, 15);
    EXPECT_EQ(back.top.colour, 1);
    EXPECT_EQ(back.bottom.colour, 57);
    EXPECT_EQ(back.numberFormat, u"0.00");
}

TEST_F(CellFormatTest, FontNameTooLongIsRefused)
{
    CellFormat f = book.DescribeXf(15);
    f.font.name = std::u16string(256, u'a');
    EXPECT_THROW(book.RegisterCellFormat(f), XlsError);
}

TEST(Palette, NearestEntries)
{
    Palette palette;
    struct Case {
        Colour colour;
        int entry;
    };
    for (const Case c : {Case{MakeColour(255, 255, 255), 2}, Case{MakeColour(0, 0, 0), 1},
                         Case{MakeColour(255, 0, 0), 3}, Case{MakeColour(192, 192, 192), 15},
                         Case{MakeColour(255, 255, 0), 6}, Case{MakeColour(255, 255, 204), 19}, // light yellow
                         Case{MakeColour(250, 250, 250), 2}}) {
        EXPECT_EQ(palette.NearestPaletteEntry(c.colour), c.entry) << std::hex << c.colour;
    }
    // The darkest grey of entry 56 is never the answer itself.
    const int nearest = palette.NearestPaletteEntry(DefaultPaletteColour(56));
    EXPECT_NE(nearest, 56);
    EXPECT_EQ(nearest, 52); // 0x333300, the closest of entries 1 to 55 to 0x333333
}

TEST(Palette, IndexOutsideTheTable)
{
    Palette palette;
    try {
        palette.PaletteColor(57);
        FAIL();
    } catch (const XlsError& error) {
        EXPECT_STREQ(error.what(), "The index \"57\" of the property \"Palette index\" is not in the range 0-55");
    }
}

TEST(Palette, RecordColoursReplaceTheDefaults)
{
    BiffRecord record{rec::PALETTE, {2, 0, 10, 20, 30, 0, 255, 255, 255, 0}, {}};
    Palette palette;
    palette.SetRecord(&record);
    EXPECT_EQ(palette.PaletteColor(1), MakeColour(10, 20, 30));
    EXPECT_EQ(palette.NearestPaletteEntry(MakeColour(12, 20, 30)), 1);
    EXPECT_THROW(palette.PaletteColor(3), XlsError);
}

} // namespace
} // namespace kontaro::xls
