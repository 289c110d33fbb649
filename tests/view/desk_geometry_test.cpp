#include "view/desk_geometry.h"

#include <gtest/gtest.h>

#include <set>

#include "game/path_search.h"

namespace quorbals {
namespace {

ViewTables ActiveTables() {
    ViewTables tables;
    SetUpViewTables(tables);
    return tables;
}

TEST(DeskGeometry, MarginIsZeroUntilTheTablesAreSetUp) {
    ViewTables tables;
    std::int32_t x = 1;
    std::int32_t y = 2;
    CellToPixel(tables, x, y);
    EXPECT_EQ(x, 29);
    EXPECT_EQ(y, 58);
    SetUpViewTables(tables);
    EXPECT_EQ(tables.deskMargin, 4);
}

TEST(DeskGeometry, CellToPixelGivesTheTopLeftOfTheTile) {
    const ViewTables tables = ActiveTables();
    std::int32_t x = 0;
    std::int32_t y = 0;
    CellToPixel(tables, x, y);
    EXPECT_EQ(x, 4);
    EXPECT_EQ(y, 4);
    x = 8;
    y = 8;
    CellToPixel(tables, x, y);
    EXPECT_EQ(x, 236);
    EXPECT_EQ(y, 236);
    // The last tile ends 3 pixels inside the frame line at 261.
    EXPECT_EQ(x + kTileSize - 1, 257);
}

TEST(DeskGeometry, PixelToCellBands) {
    const ViewTables tables = ActiveTables();
    struct Case {
        int pixel;
        int cell;
        bool valid;
    };
    const Case cases[] = {
        {-25, -1, false}, {-24, 0, true}, {0, 0, true},    {4, 0, true},
        {30, 0, true},    {31, 0, true},  {32, 0, true},   {33, 1, true},
        {261, 8, true},   {264, 8, true}, {265, 9, false}, {1000, 34, false},
    };
    for (const Case& c : cases) {
        // The same band holds for both axes.
        std::int32_t x = c.pixel;
        std::int32_t y = 100;
        EXPECT_EQ(PixelToCell(tables, x, y), c.valid) << "x = " << c.pixel;
        EXPECT_EQ(x, c.cell) << "x = " << c.pixel;
        EXPECT_EQ(y, 3);
        x = 100;
        y = c.pixel;
        EXPECT_EQ(PixelToCell(tables, x, y), c.valid) << "y = " << c.pixel;
        EXPECT_EQ(y, c.cell) << "y = " << c.pixel;
    }
}

TEST(DeskGeometry, PixelToCellWritesBothValuesWhenOneAxisFails) {
    const ViewTables tables = ActiveTables();
    std::int32_t x = 33;
    std::int32_t y = 300;
    EXPECT_FALSE(PixelToCell(tables, x, y));
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 10);
    x = -100;
    y = 62;
    EXPECT_FALSE(PixelToCell(tables, x, y));
    EXPECT_EQ(x, -3);
    EXPECT_EQ(y, 2);
}

TEST(DeskGeometry, ArrowSpriteOriginsFollowTheSheetLayout) {
    const ViewTables tables = ActiveTables();
    for (int k = 0; k < kArrowSpriteCount; ++k) {
        EXPECT_EQ(tables.arrowSpriteOrigins[k], (Cell{(k % 5) * 23, (k / 5) * 23})) << k;
    }
    EXPECT_EQ(tables.arrowSpriteOrigins[19], kEmptyTileOrigin);
    EXPECT_EQ(kEmptyTileOrigin, (Cell{92, 69}));
}

TEST(DeskGeometry, ArrowCodeTableHoldsEachRouteCodeOnce) {
    const ViewTables tables = ActiveTables();
    constexpr std::int32_t kBlank = kNeverMatchingCode;
    const std::array<std::int32_t, kArrowCodeCount> expected = {
        0x04, kBlank, 0x02, 0x01,   0x03, 0x24, 0x20, kBlank, 0x21, 0x23,
        0x14, 0x10,   0x12, kBlank, 0x13, 0x34, 0x30, 0x32,   0x31};
    EXPECT_EQ(tables.arrowCodeTable, expected);
    const std::set<std::int32_t> codes(expected.begin(), expected.end());
    EXPECT_EQ(codes.size(), 17u);  // 16 route codes and the blank
}

TEST(DeskGeometry, BlankCodeEntriesNeverMatchAGridValue) {
    const ViewTables tables = ActiveTables();
    for (int k : {1, 7, 13}) {
        // A grid holds -1, -2 or a code made of two nibbles.
        for (std::int32_t v = -2; v <= 0xFF; ++v) {
            EXPECT_NE(tables.arrowCodeTable[k], v) << "entry " << k;
        }
    }
}

}  // namespace
}  // namespace quorbals
