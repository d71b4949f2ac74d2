// The marking write path: a mark goes where the star was read from, and after a failed write
// memory holds what the file holds.
#include "sky/Errors.h"
#include "sky/StarTable.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// A catalogue of `n` stars numbered 1000 down, so the sort reverses it; every stored FilePos is
// `filePos(k)` instead of its real place k.
template <typename FilePos> Bytes catalogue(int n, FilePos filePos) {
    Bytes bytes(static_cast<std::size_t>(n) * kStarRecordSize);
    for (int k = 0; k < n; ++k) {
        Star s;
        s.StarNumber = 1000 - k;
        s.RA = 100000 * k;
        s.Dec = -50000 * k;
        s.Mag = static_cast<std::int16_t>(100 + k);
        s.FilePos = static_cast<std::uint16_t>(filePos(k));
        EncodeStar(s, bytes.data() + static_cast<std::size_t>(k) * kStarRecordSize);
    }
    return bytes;
}

struct Loaded {
    TempDir dir;
    std::unique_ptr<StarTable> table = std::make_unique<StarTable>();
    Bytes original;
    template <typename FilePos> Loaded(int n, FilePos filePos) {
        original = catalogue(n, filePos);
        dir.write("festrella", original);
        LoadStars(*table, dir.path());
        SortStars(*table);
    }
    int slotOf(int number) const { return FindStar(*table, number); }
};

// Write i writes only the first kept[i] bytes and fails; the writes after those succeed.
struct FailingWrite {
    std::vector<std::size_t> kept;
    std::size_t calls = 0;
    bool operator()(std::FILE* f, long offset, const unsigned char* bytes, std::size_t size) {
        if (calls >= kept.size())
            return WriteRecordBytes(f, offset, bytes, size);
        WriteRecordBytes(f, offset, bytes, kept[calls++]);
        return false;
    }
};

} // namespace

TEST(MarkWrite, GoesWhereTheStarWasReadWhateverItsStoredFilePos) {
    // Stored positions all wrong: shifted by one, and all zero.
    for (int shift : {1, -1000}) {
        Loaded c(40, [shift](int k) { return std::max(0, k + shift); });
        const int slot = c.slotOf(1000 - 7); // the record at place 7
        ASSERT_NE(slot, 0);
        ToggleMark(*c.table, slot, c.dir.path());
        Bytes expected = c.original;
        expected[7 * kStarRecordSize + 14] ^= 1;
        EXPECT_EQ(c.dir.read("festrella"), expected) << shift;
        EXPECT_EQ(c.table->at(slot).LabelMark, 1);
    }
}

TEST(MarkWrite, ACatalogueChangedSinceLoadingIsNotWritten) {
    Loaded c(10, [](int k) { return k; });
    Bytes other = catalogue(10, [](int k) { return k; });
    other[3 * kStarRecordSize] ^= 0x55; // another, marked star at place 3
    other[3 * kStarRecordSize + 14] = 1;
    c.dir.write("festrella", other);
    const int slot = c.slotOf(1000 - 3);
    EXPECT_THROW(ToggleMark(*c.table, slot, c.dir.path()), VelumbraError);
    EXPECT_EQ(c.dir.read("festrella"), other);
    EXPECT_EQ(c.table->at(slot).LabelMark, 0) << "the other star's mark is not this one's";
}

TEST(MarkWrite, AWriteFailingHalfWayPutsTheOldBytesBack) {
    Loaded c(10, [](int k) { return k; });
    const int slot = c.slotOf(1000 - 4);
    FailingWrite write{{15}};
    try {
        ToggleMark(*c.table, slot, c.dir.path(), std::ref(write));
        FAIL() << "no error for a failed write";
    } catch (const InOutError& e) {
        EXPECT_EQ(e.code(), InOutError::DiskWrite);
        EXPECT_EQ(e.file(), c.dir.file("festrella"));
    }
    EXPECT_EQ(c.dir.read("festrella"), c.original);
    EXPECT_EQ(c.table->at(slot).LabelMark, 0);
}

TEST(MarkWrite, WhenTheOldBytesCannotBePutBackMemoryShowsWhatTheFileHolds) {
    Loaded c(10, [](int k) { return k; });
    const int slot = c.slotOf(1000 - 4);
    FailingWrite write{{15, 0}}; // the mark byte reaches the disk, the repair fails
    EXPECT_THROW(ToggleMark(*c.table, slot, c.dir.path(), std::ref(write)), InOutError);
    const Bytes now = c.dir.read("festrella");
    EXPECT_EQ(now[4 * kStarRecordSize + 14], 1);
    EXPECT_EQ(c.table->at(slot).LabelMark, 1);
}
