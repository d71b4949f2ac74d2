#include "output/PrintUnits.h"
#include "geometry/Numbers.h"
#include "platform/RecordingPrinter.h"

#include <gtest/gtest.h>

// The unit is the nearest single to (width - 1) x 0.005; a product taken in single precision
// lands one unit in the last place off for many real pages.
TEST(PrintUnit, IsTheNearestSingleToTheExactHundredthOfThePage) {
    EXPECT_EQ(PrintUnitFor(4801), 24.0f);
    EXPECT_EQ(PrintUnitFor(2480), 12.395f);
    EXPECT_EQ(PrintUnitFor(5100), 25.495f);
    EXPECT_EQ(PrintUnitFor(9917), 49.58f);
    EXPECT_EQ(PrintUnitFor(9920), 49.595f);
    EXPECT_EQ(Round(100.0 * PrintUnitFor(9920)), 4960);
}

TEST(PrintUnit, IsMeasuredOnThePortraitWidthOfThePaperInThePrinter) {
    RecordingPrinter printer;
    printer.width = 4801;
    printer.height = 6000;
    printer.orientation = Printer::Orientation::Landscape;
    ViewState v;
    TakePrintUnits(printer, v);
    EXPECT_EQ(printer.orientation, Printer::Orientation::Portrait);
    EXPECT_EQ(v.PrintUnit, 24.0f);
    EXPECT_EQ(v.PrintMargin, 120);

    printer.width = 5100; // Letter at 600 dpi
    TakePrintUnits(printer, v);
    EXPECT_EQ(v.PrintUnit, 25.495f);
    EXPECT_EQ(v.PrintMargin, 127); // Round(127.475)
}
