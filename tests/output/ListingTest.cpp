#include "output/Listing.h"
#include "sky/Errors.h"
#include "tests/output/LineFixtures.h"
#include "tests/output/SheetFixtures.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

class Listing : public SheetPrinting {
  protected:
    TempDir dir;

    void store(const std::string& name, const std::vector<Radiant>& records,
               std::size_t extraBytes = 0) {
        auto bytes = RadiantFileBytes(records);
        bytes.resize(bytes.size() + extraBytes, 0x41);
        dir.write(name, bytes);
    }
    static std::vector<Radiant> numbered(int n, const Radiant& r) {
        std::vector<Radiant> v(static_cast<std::size_t>(n), r);
        for (int i = 0; i < n; ++i)
            v[static_cast<std::size_t>(i)].Name = "Stream " + std::to_string(i);
        return v;
    }
    void print(ListingKind kind) { PrintListingPages(kind, printer, sources, dir.path()); }
    std::vector<std::string> lineTexts(std::size_t page) const {
        std::vector<std::string> out;
        for (const CanvasOp& op : lines(page)) {
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
    print(ListingKind::Imo);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(job().title, "Radiantes");
    EXPECT_EQ(job().orientation, Printer::Orientation::Portrait);
    EXPECT_TRUE(job().ended);
    ASSERT_EQ(job().pages.size(), 2u);
    const auto first = lineTexts(0);
    ASSERT_EQ(first.size(), 76u);
    EXPECT_EQ(first[3], ListingLine(ListingKind::Imo, records[3]));
    EXPECT_EQ(first[75].substr(4, 9), "Stream 75");
    EXPECT_EQ(lines(0).back().y1, 6432);
    const PageHeading imo = ListingHeading(ListingKind::Imo);
    const std::vector<std::string> heading{"LISTADO DE RADIANTES", imo.columns, imo.underline};
    EXPECT_EQ(this->heading(0), heading);
    EXPECT_EQ(this->heading(1), heading);
    EXPECT_EQ(lineTexts(1), std::vector<std::string>{ListingLine(ListingKind::Imo, records[76])});
}

TEST_F(Listing, TerentjevaListingReadsItsOwnFileNotTheTable) {
    add(4, Perseids());
    store("fradiante", numbered(5, Perseids()));
    store("fradter", numbered(2, TerentjevaStream()));
    print(ListingKind::Terentjeva);
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_EQ(heading(0).at(0), ListingHeading(ListingKind::Terentjeva).title);
    const auto page = lineTexts(0);
    ASSERT_EQ(page.size(), 2u);
    EXPECT_EQ(page[1].substr(0, 4), "T123");
}

TEST_F(Listing, ShortFinalRecordPrintsTheWholeOnesEndsTheJobThenReports) {
    store("fradiante", numbered(3, Perseids()), 20);
    try {
        print(ListingKind::Imo);
        FAIL() << "a short final record must be reported";
    } catch (const VelumbraError& e) {
        EXPECT_EQ(e.file(), dir.file("fradiante"));
        const std::string message = e.what();
        EXPECT_NE(message.find("registro incompleto"), std::string::npos) << message;
        EXPECT_NE(message.find("preceden (3)"), std::string::npos) << message;
    }
    ASSERT_EQ(printer.jobs.size(), 1u);
    EXPECT_TRUE(job().ended);
    EXPECT_FALSE(job().aborted);
    EXPECT_EQ(lines(0).size(), 3u);
}

TEST_F(Listing, EmptyMissingOrUnreadableFileBeginsNoJob) {
    store("fradiante", {});
    print(ListingKind::Imo);
    EXPECT_TRUE(printer.jobs.empty());
    try {
        print(ListingKind::Terentjeva);
        FAIL() << "a missing file must be reported";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), InOutError::FileNotFound);
        EXPECT_EQ(e.file(), dir.file("fradter"));
    }
    // A folder in the file's place opens but cannot be read.
    std::filesystem::create_directory(dir.file("fradter"));
    EXPECT_THROW(print(ListingKind::Terentjeva), InOutError);
    EXPECT_TRUE(printer.jobs.empty());
}
