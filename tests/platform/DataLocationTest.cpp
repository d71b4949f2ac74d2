#include "platform/DataLocation.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> allFiles() {
    std::vector<std::string> names(kDataFiles.begin(), kDataFiles.end());
    names.emplace_back(kLogoFile);
    return names;
}

// A working directory, a home and an installation, the last holding the bundled data.
class DataPlacesFixture : public ::testing::Test {
  protected:
    TempDir working;
    TempDir home;
    TempDir installed;
    DataPlaces places{working.path(), fs::path(home.path()) / ".local/share/velumbra",
                      installed.path()};
    void SetUp() override { installed.copyFrom(VELUMBRA_DATA_DIR, allFiles()); }
    std::vector<unsigned char> userFile(const std::string& name) const {
        std::ifstream in(places.user / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

} // namespace

TEST_F(DataPlacesFixture, AWorkingDirectoryHoldingTheFilesIsUsedAsItIs) {
    working.copyFrom(VELUMBRA_DATA_DIR, allFiles());
    const DataLocation found = LocateData(places);
    EXPECT_EQ(found.dir, places.working);
    EXPECT_FALSE(fs::exists(places.user));
}

TEST_F(DataPlacesFixture, AWorkingDirectoryWithDamagedDataIsStillTheOneUsed) {
    std::vector<std::string> some = allFiles();
    some.erase(some.begin() + 2); // fnombre missing
    working.copyFrom(VELUMBRA_DATA_DIR, some);
    fs::remove(fs::path(working.path()) / "ftriangulo");
    fs::create_directory(fs::path(working.path()) / "ftriangulo");
    EXPECT_EQ(LocateData(places).dir, places.working);
    EXPECT_FALSE(fs::exists(places.user));
}

TEST_F(DataPlacesFixture, FirstStartCopiesTheInstalledFilesLaterStartsKeepTheUsersOwn) {
    // The working directory holds none of the files: not a data folder.
    DataLocation found = LocateData(places);
    ASSERT_EQ(found.dir, places.user) << found.message;
    for (const std::string& name : allFiles())
        EXPECT_EQ(userFile(name), installed.read(name)) << name;

    // A mark written into the user's catalogue, a file the user removed.
    std::ofstream(places.user / "festrella", std::ios::binary | std::ios::in) << '\x01';
    const auto marked = userFile("festrella");
    fs::remove(places.user / "fradter");
    found = LocateData(places);
    EXPECT_EQ(found.dir, places.user);
    EXPECT_EQ(userFile("festrella"), marked);
    EXPECT_EQ(userFile("fradter"), installed.read("fradter"));
    for (const auto& entry : fs::directory_iterator(places.user))
        EXPECT_NE(entry.path().filename().string().front(), '.') << entry.path();
}

TEST_F(DataPlacesFixture, NoPlaceWithTheFilesSaysWhereItLooked) {
    places.installed = fs::path(installed.path()) / "no-existe";
    const DataLocation found = LocateData(places);
    EXPECT_TRUE(found.dir.empty());
    for (const fs::path& place : {places.working, places.user, places.installed})
        EXPECT_NE(found.message.find(place.string()), std::string::npos) << found.message;
    EXPECT_NE(found.message.find("festrella"), std::string::npos);
}

TEST_F(DataPlacesFixture, AUserFolderThatCannotBeMadeIsReported) {
    home.write(".local", "un archivo, no una carpeta");
    const DataLocation found = LocateData(places);
    EXPECT_TRUE(found.dir.empty());
    EXPECT_NE(found.message.find(places.user.string()), std::string::npos) << found.message;
}
