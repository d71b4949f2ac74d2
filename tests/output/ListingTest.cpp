#include "output/Listing.h"
#include "sky/Errors.h"
#include "tests/output/LineFixtures.h"
#include "tests/output/RecordingPrinter.h"
#include "tests/support/SkyFixtures.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr SheetUnits kUnits{24.0f, 120};

class Listing : public ::testing::Test {
  protected:
    TempDir dir;
    RecordingPrinter printer;

    void store(const std::string& name, const std::vector<Radiant>& records,
               std::size_t extraBytes = 0) {
        auto bytes = RadiantFileBytes(records);
        bytes.resize(bytes.size() + extraBytes, 0x41);
        dir.write(name, bytes);
    }
    std::vector<Radiant> numbered(int n, const Radiant& r) {
        std::vector<Radiant> v(static_cast<std::size_t>(n), r);
        for (int i = 0; i < n; ++i)
            v[static_cast<std::size_t>(i)].Name = "Stream " + std::to_string(i);
        return v;
    }
    // The record lines of a page: the texts below the underline.
    std::vector<std::string> lines(std::size_t page) const {
        std::vector<std::string> out;
        for (const CanvasOp& op : printer.texts(page))
            if (op.y1 > 960) {
                EXPECT_FALSE(op.font.bold) << op.text;
                out.push_back(op.text);
            }
        return out;
    }
};

} // namespace

TEST_F(Listing, EveryStoredRecordInFileOrderSeventySixAPage) {
    auto records = numbered(77, Perseids());
    records[3].DrawFlag = 0;
    store("fradiante", records);
    PrintListing(printer, kUnits, dir.path(), ListingKind::Imo);
    ASSERT_EQ(printer.jobs.size(), 1u);
    const PrintedJob& job = printer.jobs[0];
    EXPECT_EQ(job.title, "Radiantes");
    EXPECT_EQ(job.orientation, Printer::Orientation::Portrait);
    EXPECT_TRUE(job.ended);
    ASSERT_EQ(job.pages.size(), 2u);
    const auto first = lines(0);
    ASSERT_EQ(first.size(), 76u);
    EXPECT_EQ(first[3], ListingLine(ListingKind::Imo, records[3]));
    EXPECT_EQ(first[75].substr(4, 9), "Stream 75");
    const auto second = printer.texts(1);
    std::vector<std::string> heading;
    for (const CanvasOp& op : second)
        if (op.y1 >= 720 && op.y1 <= 960)
            heading.push_back(op.text);
    EXPECT_EQ(heading,
              (std::vector<std::string>{"LISTADO DE RADIANTES", ListingColumns(ListingKind::Imo),
                                        ListingUnderline(ListingKind::Imo)}));
    EXPECT_EQ(lines(1), std::vector<std::string>{ListingLine(ListingKind::Imo, records[76])});
}

TEST_F(Listing, TerentjevaListingReadsItsOwnFile) {
    store("fradiante", numbered(5, Perseids()));
    store("fradter", numbered(2, TerentjevaStream()));
    PrintListing(printer, kUnits, dir.path(), ListingKind::Terentjeva);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(printer.texts(0)[2].text, "LISTADO DE RADIANTES DE TERENTJEVA");
    const auto page = lines(0);
    ASSERT_EQ(page.size(), 2u);
    EXPECT_EQ(page[1].substr(0, 4), "T123");
}

TEST_F(Listing, ShortFinalRecordPrintsTheWholeOnesEndsTheJobThenReports) {
    store("fradiante", numbered(3, Perseids()), 20);
    try {
        PrintListing(printer, kUnits, dir.path(), ListingKind::Imo);
        FAIL() << "a short final record must be reported";
    } catch (const VelumbraError& e) {
        EXPECT_EQ(e.file(), "fradiante");
        const std::string message = e.what();
        EXPECT_NE(message.find("registro incompleto"), std::string::npos) << message;
        EXPECT_NE(message.find(" 3 registros"), std::string::npos) << message;
    }
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(printer.jobs[0].ended);
    EXPECT_EQ(lines(0).size(), 3u);
}

TEST_F(Listing, EmptyOrMissingFileBeginsNoJob) {
    store("fradiante", {});
    PrintListing(printer, kUnits, dir.path(), ListingKind::Imo);
    EXPECT_TRUE(printer.jobs.empty());
    try {
        PrintListing(printer, kUnits, dir.path(), ListingKind::Terentjeva);
        FAIL() << "a missing file must be reported";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), InOutError::FileNotFound);
        EXPECT_EQ(e.file(), "fradter");
    }
    EXPECT_TRUE(printer.jobs.empty());
}
