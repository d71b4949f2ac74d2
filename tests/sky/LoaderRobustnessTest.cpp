#include "sky/Errors.h"
#include "sky/Radiant.h"
#include "sky/SkyFigures.h"
#include "sky/StarTable.h"
#include "tests/support/RadiantFiles.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <vector>

namespace {

struct Loader {
    std::string file;
    std::function<void(const std::string&)> load;
};

template <typename Table, void (*Load)(Table&, const std::string&)>
void loadInto(const std::string& dir) {
    Table table;
    Load(table, dir);
}

std::vector<Loader> loaders() {
    auto stars = std::make_shared<StarTable>();
    auto radiants = std::make_shared<RadiantTable>();
    return {
        {"festrella",
         [stars](const std::string& d) {
             LoadStars(*stars, d);
             SortStars(*stars);
             FindStar(*stars, 42);
         }},
        {"ffigura", loadInto<FigureTable, LoadFigures>},
        {"fnombre", loadInto<NameTable, LoadNames>},
        {"ftriangulo", loadInto<TriangleTable, LoadTriangles>},
        {"fnumero", loadInto<NumberTable, LoadNumbers>},
        {"fradiante",
         [radiants](const std::string& d) {
             std::vector<std::string> lines;
             LoadRadiants(*radiants, lines, d);
             ReadRadiantFile(d, "fradiante");
         }},
    };
}

// Random bytes, number-like text with mixed line ends, or one long line without an end.
std::string randomContent(std::mt19937& rng) {
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const int size = pick(4096);
    std::string s;
    switch (pick(3)) {
    case 0:
        for (int i = 0; i < size; ++i)
            s += static_cast<char>(pick(256));
        break;
    case 1: {
        static const std::string alphabet = "0123456789     +-\r\n\n\r\nAZaz\t";
        for (int i = 0; i < size; ++i)
            s += alphabet[static_cast<std::size_t>(pick(static_cast<int>(alphabet.size())))];
        break;
    }
    default:
        s.assign(static_cast<std::size_t>(size), static_cast<char>('0' + pick(10)));
    }
    return s;
}

} // namespace

TEST(Loaders, MissingFileIsFileNotFoundNamingIt) {
    for (const Loader& l : loaders()) {
        TempDir dir;
        try {
            l.load(dir.path());
            ADD_FAILURE() << l.file << " loaded from an empty directory";
        } catch (const InOutError& e) {
            EXPECT_EQ(e.code(), InOutError::FileNotFound) << l.file;
            EXPECT_STREQ(e.what(), "No se encuentra el archivo") << l.file;
            EXPECT_EQ(e.file(), dir.file(l.file));
        }
    }
}

TEST(Loaders, RandomFilesLoadOrRaiseOnlyTheProgramsErrors) {
    std::mt19937 rng(1966);
    TempDir dir;
    const auto all = loaders();
    int loaded = 0, refused = 0;
    for (int round = 0; round < 300; ++round) {
        for (const char* name :
             {"festrella", "ffigura", "fnombre", "ftriangulo", "fnumero", "fradiante", "fradter"})
            dir.write(name, randomContent(rng));
        for (const Loader& l : all) {
            try {
                l.load(dir.path());
                ++loaded;
            } catch (const VelumbraError&) {
                ++refused;
            } catch (const std::exception& e) {
                ADD_FAILURE() << l.file << " round " << round << ": " << e.what();
            } catch (...) {
                ADD_FAILURE() << l.file << " round " << round << ": unknown exception";
            }
        }
    }
    // Both roads must have been taken, or the inputs tell nothing.
    EXPECT_GT(loaded, 0);
    EXPECT_GT(refused, 0);
}
