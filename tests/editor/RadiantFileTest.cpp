#include "editor/RadiantFile.h"
#include "tests/support/SkyFixtures.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestShower.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<unsigned char>;

Radiant shower(const std::string& code, float dec, float driftDec) {
    Radiant r = TestShower(code, "Gem\xEDnidas", 338, 351, 348);
    r.Dec = dec;
    r.DriftDec = driftDec;
    return r;
}

std::vector<EditorRow> rowsOf(const Bytes& file, RadiantList mode) {
    std::vector<EditorRow> rows;
    for (std::size_t at = 0; at < file.size(); at += kRadiantRecordSize) {
        EditorRow row;
        row.origin.emplace();
        std::copy(file.begin() + static_cast<std::ptrdiff_t>(at),
                  file.begin() + static_cast<std::ptrdiff_t>(at + kRadiantRecordSize),
                  row.origin->begin());
        Radiant r;
        DecodeRadiant(row.origin->data(), r);
        row.cells = RecordToRow(r, mode);
        rows.push_back(row);
    }
    return rows;
}

// A file whose unused bytes after the short strings are not zero, as old files have them.
Bytes shippedLike() {
    Bytes file = RadiantFileBytes({shower("GEM", 3.88f, -0.375f), shower("URS", 75.0f, 0.0f)});
    file[4] = 0x5A;
    file[5 + 20] = 0x7F;
    return file;
}

} // namespace

TEST(RadiantFile, UntouchedRowsGoBackByteForByte) {
    const Bytes file = shippedLike();
    auto rows = rowsOf(file, RadiantList::Imo);
    EXPECT_EQ(rows[0].cells[ColArDec], "046.0/+03.9");
    EXPECT_EQ(rows[0].cells[ColDeriva], "+1.35/-0.38");
    RadiantFileImage image = BuildRadiantFile(rows, RadiantList::Imo);
    ASSERT_FALSE(image.fault);
    EXPECT_EQ(image.bytes, file);
    // The same in the other mode, whose rows leave out three columns.
    image = BuildRadiantFile(rowsOf(file, RadiantList::Terentjeva), RadiantList::Terentjeva);
    EXPECT_EQ(image.bytes, file);
}

TEST(RadiantFile, OnlyAChangedRowIsBuiltFromItsTexts) {
    const Bytes file = shippedLike();
    auto rows = rowsOf(file, RadiantList::Imo);
    rows[1].cells[ColThz] = "20";
    const RadiantFileImage image = BuildRadiantFile(rows, RadiantList::Imo);
    ASSERT_FALSE(image.fault);
    ASSERT_EQ(image.bytes.size(), file.size());
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + kRadiantRecordSize, image.bytes.begin()));
    Radiant second;
    DecodeRadiant(image.bytes.data() + kRadiantRecordSize, second);
    EXPECT_EQ(second.Thz, 20);
    EXPECT_EQ(second.Dec, 75.0f);
    EXPECT_EQ(second.Name, "Gem\xEDnidas");
}

TEST(RadiantFile, AnUnconvertibleRowIsNamedAndNothingIsBuilt) {
    auto rows = rowsOf(shippedLike(), RadiantList::Imo);
    rows.push_back(EditorRow{});
    const RadiantFileImage image = BuildRadiantFile(rows, RadiantList::Imo);
    ASSERT_TRUE(image.fault);
    EXPECT_EQ(image.fault->first, 3);
    EXPECT_EQ(image.fault->second.column, ColStart);
    EXPECT_TRUE(image.bytes.empty());
}

TEST(RadiantFile, ReadingRefusesMissingAndTornFilesWhole) {
    TempDir dir;
    EXPECT_NE(ReadRadiantRecords(dir.file("fradiante")).error.find("No se encuentra"),
              std::string::npos);
    Bytes torn = shippedLike();
    torn.resize(torn.size() - 10);
    dir.write("fradiante", torn);
    const RadiantFileRead read = ReadRadiantRecords(dir.file("fradiante"));
    EXPECT_TRUE(read.records.empty());
    EXPECT_NE(read.error.find(dir.file("fradiante")), std::string::npos) << read.error;
    dir.write("fradiante", shippedLike());
    EXPECT_EQ(ReadRadiantRecords(dir.file("fradiante")).records.size(), 2u);
    dir.write("fradiante", Bytes{});
    EXPECT_TRUE(ReadRadiantRecords(dir.file("fradiante")).error.empty());
}

TEST(RadiantFile, AFileOverOneMebibyteIsReadRecordByRecordLikeAnyOther) {
    TempDir dir;
    const std::vector<Radiant> many(16000, shower("GEM", 3.88f, -0.375f));
    dir.write("fradiante", RadiantFileBytes(many));
    const RadiantFileRead read = ReadRadiantRecords(dir.file("fradiante"));
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.records.size(), 16000u);
}

TEST(AtomicWrite, ReplacesTheFileKeepingItsModeAndLeavesNoTemporary) {
    TempDir dir;
    dir.write("fradter", std::string("old"));
    ::chmod(dir.file("fradter").c_str(), 0640);
    EXPECT_EQ(WriteFileAtomically(dir.file("fradter"), Bytes{1, 2, 3, 4}).words, "");
    EXPECT_EQ(dir.read("fradter"), (Bytes{1, 2, 3, 4}));
    struct stat st {};
    ::stat(dir.file("fradter").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    const mode_t mask = ::umask(022);
    EXPECT_EQ(WriteFileAtomically(dir.file("new"), Bytes{1}).words, "");
    ::umask(mask);
    ::stat(dir.file("new").c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0644u) << "a new file as the user's mask makes it";
}

TEST(AtomicWrite, AFolderThatIsGoneIsReported) {
    TempDir dir;
    EXPECT_EQ(WriteFileAtomically(dir.file("gone/fradiante"), Bytes{1}).words,
              "su carpeta ya no existe");
}

// Root writes into any folder and file: run through the ctest entry that drops to an ordinary
// user.
TEST(AtomicWrite, ReadOnlyFolderOrFileLeavesTheFileAsItWas) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into anything";
    TempDir dir;
    dir.write("fradiante", std::string("old"));
    ::chmod(dir.file("fradiante").c_str(), 0444);
    EXPECT_EQ(WriteFileAtomically(dir.file("fradiante"), Bytes{9, 9}).words,
              "el archivo está protegido contra escritura");
    ::chmod(dir.file("fradiante").c_str(), 0644);
    ::chmod(dir.path().c_str(), 0555);
    EXPECT_EQ(WriteFileAtomically(dir.file("fradiante"), Bytes{9, 9}).words,
              "no hay permiso para escribir en su carpeta");
    EXPECT_EQ(dir.read("fradiante"), (Bytes{'o', 'l', 'd'}));
}

TEST(AtomicWrite, ThroughALinkTheLinkedFileIsReplaced) {
    TempDir dir;
    dir.write("real", std::string("old"));
    fs::create_symlink(dir.file("real"), dir.file("fradiante"));
    EXPECT_EQ(WriteFileAtomically(dir.file("fradiante"), Bytes{7}).words, "");
    EXPECT_TRUE(fs::is_symlink(dir.file("fradiante")));
    EXPECT_EQ(dir.read("real"), Bytes{7});
}

// What the system answers is told in words with what to do, never as a bare number; the file
// in its place (or none) stays as it was and no temporary file is left.
TEST(AtomicWrite, SystemFailuresAreToldInWordsWithWhatToDo) {
    TempDir dir;
    fs::create_directory(dir.file("fradiante"));
    dir.write("plain", std::string("x"));
    struct Case {
        std::string path;
        const char* words;
    };
    const Case cases[] = {
        {dir.file("fradiante"), "en su lugar hay una carpeta con el mismo nombre"},
        {dir.file("plain/fradter"), "en su ruta hay un archivo donde debería haber una carpeta"},
        {dir.file("gone/fradter"), "su carpeta ya no existe"},
    };
    for (const Case& c : cases) {
        const SystemErrorText failure = WriteFileAtomically(c.path, Bytes{1, 2});
        EXPECT_EQ(failure.words, c.words) << c.path;
        EXPECT_FALSE(failure.advice.empty()) << c.path;
    }
    EXPECT_TRUE(fs::is_directory(dir.file("fradiante")));
    EXPECT_EQ(dir.read("plain"), Bytes{'x'});
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2);
    const SystemErrorText unknown = DescribeSystemError(9999);
    EXPECT_NE(unknown.words.find("el sistema ha rechazado"), std::string::npos);
    EXPECT_FALSE(unknown.advice.empty());
}

// A read-only disk is named as such, not as a write-protected file. Run through the ctest entry
// that mounts one in a private namespace.
TEST(AtomicWrite, AReadOnlyDiskIsToldAsSuch) {
    const char* folder = std::getenv("VELUMBRA_READ_ONLY_DIR");
    if (!folder)
        GTEST_SKIP() << "needs a read-only disk";
    const std::string path = std::string(folder) + "/fradiante";
    const SystemErrorText failure = WriteFileAtomically(path, Bytes{9});
    EXPECT_EQ(failure.words, "la carpeta está en un disco de solo lectura");
    EXPECT_FALSE(failure.advice.empty());
}
