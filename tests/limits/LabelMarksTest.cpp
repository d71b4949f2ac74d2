#include "sky/LabelMarks.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

// A catalogue of n stars in file order, star k at record k - 1.
void writeCatalogue(const TempDir& dir, int n) {
    std::vector<unsigned char> bytes(static_cast<std::size_t>(n) * kStarRecordSize);
    for (int k = 1; k <= n; ++k) {
        Star s;
        s.StarNumber = 100 + k;
        s.FilePos = static_cast<std::uint16_t>(k - 1);
        EncodeStar(s, bytes.data() + static_cast<std::size_t>(k - 1) * kStarRecordSize);
    }
    dir.write("festrella", bytes);
}

std::uint8_t markOnDisk(const TempDir& dir, int record) {
    return dir.read("festrella")[static_cast<std::size_t>(record) * kStarRecordSize + 14];
}

} // namespace

TEST(LabelMarks, SetsAndClearsEachRecordWritingOnlyChanges) {
    TempDir dir;
    writeCatalogue(dir, 4);
    StarTable t;
    LoadStars(t, dir.path());
    SortStars(t);
    const int a = FindStar(t, 101), b = FindStar(t, 103), c = FindStar(t, 104);
    t.at(c).LabelMark = 1; // already shown: nothing to write
    EXPECT_EQ(WriteLabelMarks(t, {a, b, c}, 1, dir.path()), 2);
    EXPECT_EQ(markOnDisk(dir, 0), 1);
    EXPECT_EQ(markOnDisk(dir, 1), 0);
    EXPECT_EQ(markOnDisk(dir, 2), 1);
    EXPECT_EQ(t.at(a).LabelMark, 1);

    t.at(c).LabelMark = 1;
    EXPECT_EQ(WriteLabelMarks(t, {a, b, c}, 0, dir.path()), 3);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(markOnDisk(dir, r), 0) << "record " << r;
    EXPECT_EQ(t.at(c).LabelMark, 0);
}

TEST(LabelMarks, AFailedWriteStopsTheRunKeepsTheFilesMarkAndCountsWhatWasWritten) {
    TempDir dir;
    writeCatalogue(dir, 3);
    StarTable t;
    LoadStars(t, dir.path());
    SortStars(t);
    const int a = FindStar(t, 101), b = FindStar(t, 102), c = FindStar(t, 103);
    t.at(b).FilePos = 50; // past the end of the file: refused
    try {
        WriteLabelMarks(t, {a, b, c}, 1, dir.path());
        FAIL() << "no error";
    } catch (const MarkRunStopped& e) {
        EXPECT_EQ(e.written(), 1);
        EXPECT_EQ(e.file(), dir.file("festrella"));
    }
    EXPECT_EQ(t.at(a).LabelMark, 1);
    EXPECT_EQ(t.at(b).LabelMark, 0);
    EXPECT_EQ(t.at(c).LabelMark, 0);
    EXPECT_EQ(markOnDisk(dir, 0), 1);
    EXPECT_EQ(markOnDisk(dir, 2), 0);
}
