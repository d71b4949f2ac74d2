#include "sky/WholeFile.h"

#include "sky/Errors.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> namesIn(const std::string& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void writeText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

// Each way a write can go wrong leaves the older file byte for byte and no temporary beside it.
TEST(WholeFile, EveryFailureKeepsTheOlderFileAndLeavesNoTemporary) {
    const struct {
        const char* name;
        std::function<bool(const std::string&)> produce;
        std::function<bool(const std::string&)> complete;
        const char* reason; // empty when the write is cancelled without an error
    } cases[] = {
        {"cancelled", [](const std::string&) { return false; }, {}, ""},
        {"the producer fails",
         [](const std::string& t) {
             writeText(t, "mit");
             throw VelumbraError("falla", t);
             return true;
         },
         {},
         "falla"},
        {"written short, told by the check",
         [](const std::string& t) {
             writeText(t, "%PDF-1.4 cortado");
             return true;
         },
         [](const std::string&) { return false; }, "el disco ha dado un error al leer o escribir"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        writeText(dir.file("plan.pdf"), "anterior");
        try {
            EXPECT_FALSE(WriteWholeFile(dir.file("plan.pdf"), "No se pudo escribir el PDF",
                                        c.produce, c.complete))
                << c.name;
            EXPECT_STREQ(c.reason, "") << c.name;
        } catch (const VelumbraError& e) {
            EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
            EXPECT_STRNE(c.reason, "") << c.name;
        }
        EXPECT_EQ(namesIn(dir.path()), std::vector<std::string>{"plan.pdf"}) << c.name;
        const auto old = dir.read("plan.pdf");
        EXPECT_EQ(std::string(old.begin(), old.end()), "anterior") << c.name;
    }
}

TEST(WholeFile, AFolderInTheFilesPlaceIsNamedAsSuchInSpanish) {
    TempDir dir;
    fs::create_directory(dir.file("carta.bmp"));
    try {
        WriteWholeFile(dir.file("carta.bmp"), "No se pudo guardar la carta como imagen", {'B'});
        FAIL() << "a folder was written over";
    } catch (const VelumbraError& e) {
        EXPECT_EQ(
            std::string(e.what()),
            "No se pudo guardar la carta como imagen: en su lugar hay una carpeta con el mismo "
            "nombre.");
        EXPECT_EQ(e.file(), dir.file("carta.bmp"));
        EXPECT_FALSE(e.advice().empty());
    }
    EXPECT_TRUE(fs::is_directory(dir.file("carta.bmp")));
}

// Temporaries a killed program left go at the next write of the same file, and only they: not
// another file's, not one being written right now.
TEST(WholeFile, StaleTemporariesOfTheSameFileAreRemoved) {
    TempDir dir;
    for (const char* name :
         {".atlas.pdf.velumbra-a1B2c3", ".atlas.pdf.velumbra-zzzzzz", ".plan.pdf.velumbra-a1B2c3",
          "atlas.pdf.velumbra-a1B2c3", ".atlas.pdf.velumbra-toolong"}) {
        writeText(dir.file(name), "resto");
        fs::last_write_time(dir.file(name),
                            fs::file_time_type::clock::now() - std::chrono::hours(1));
    }
    writeText(dir.file(".atlas.pdf.velumbra-recent"), "en curso");
    RemoveStaleTemporaries(dir.file("atlas.pdf"));
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{".atlas.pdf.velumbra-recent", ".atlas.pdf.velumbra-toolong",
                                        ".plan.pdf.velumbra-a1B2c3", "atlas.pdf.velumbra-a1B2c3"}));
}
