#include "platform/ObservationStore.h"

#include "sky/Errors.h"
#include "tests/support/ObservationFixtures.h"
#include "tests/support/TempDir.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

// Statements run on the file by a connection of the test's own, as another program would;
// the first value the last one gives.
QVariant runSql(const std::string& file, const QStringList& statements) {
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "test");
        db.setDatabaseName(QString::fromStdString(file));
        EXPECT_TRUE(db.open());
        for (const QString& sql : statements) {
            QSqlQuery q(db);
            EXPECT_TRUE(q.exec(sql)) << sql.toStdString();
            value = q.next() ? q.value(0) : QVariant();
        }
    }
    QSqlDatabase::removeDatabase("test");
    return value;
}

std::string failureOf(const std::function<void()>& work) {
    try {
        work();
    } catch (const VelumbraError& e) {
        return ErrorText(e);
    }
    return "no error";
}

class StoreTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string file = ObservationStorePath(dir.path()).string();
};

TEST_F(StoreTest, AnObservationComesBackAsItWasSavedCopiedAndDeleted) {
    ObservationStore store(file);
    Observation night = PerseidObservationFromMadrid();
    night.id = 0;
    night.periods[1].counts[0].magnitudes->at(0) = 0.5; // a halved -6
    const std::int64_t id = store.save(night);
    night.id = id;
    EXPECT_EQ(store.load(id), night);

    // Saved again with a period less and the showers reordered: the old rows go.
    night.periods.pop_back();
    std::swap(night.showers[0], night.showers[2]);
    night.site.name = "Villaviciosa de Odón";
    EXPECT_EQ(store.save(night), id);
    EXPECT_EQ(store.load(id), night);

    const std::int64_t copy = store.copy(id);
    EXPECT_NE(copy, id);
    Observation copied = store.load(copy);
    copied.id = id;
    EXPECT_EQ(copied, night);

    Observation earlier = night;
    earlier.id = 0;
    earlier.evening = {2025, 12, 13};
    earlier.morning = {2025, 12, 14};
    earlier.periods.clear();
    const std::int64_t december = store.save(earlier);
    const std::vector<ObservationSummary> rows = store.list();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].id, copy); // newest night first, the latest saved first within one
    EXPECT_EQ(rows[1].id, id);
    EXPECT_EQ(rows[1].site, "Villaviciosa de Odón");
    EXPECT_EQ(rows[1].observer, "Lucía Pérez");
    EXPECT_EQ(rows[1].periods, 2);
    EXPECT_EQ(rows[1].evening, (CivilDate{2026, 8, 12}));
    EXPECT_EQ(rows[1].morning, (CivilDate{2026, 8, 13}));
    EXPECT_EQ(rows[2].id, december);
    EXPECT_EQ(rows[2].periods, 0);

    store.remove(id);
    EXPECT_EQ(store.list().size(), 2u);
    EXPECT_EQ(store.load(copy).periods.size(), 2u);
    EXPECT_NE(failureOf([&] { store.load(id); }).find("ya no está"), std::string::npos);
}

// A save refused by the database in its last row leaves the file as it was before the save:
// the older version of the observation whole, and no new one.
TEST_F(StoreTest, ASaveRefusedHalfWayLeavesTheDatabaseAsItWas) {
    const struct {
        const char* fault;
        std::function<void(Observation&)> spoil;
    } cases[] = {
        {"a third of a meteor in the last distribution",
         [](Observation& o) { o.periods[1].counts[0].magnitudes->at(13) = 1.0 / 3; }},
        {"the last period after the night's closing noon",
         [](Observation& o) { o.periods[2].endUt += 24 * 3600; }},
        {"a count of a shower not watched",
         [](Observation& o) { o.periods[2].counts[2].code = "ETA"; }},
        {"a negative count", [](Observation& o) { o.periods[2].counts[2].number = -1; }},
        {"Teff longer than the period", [](Observation& o) { o.periods[2].teff = 2.5; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        TempDir fresh;
        const std::string path = ObservationStorePath(fresh.path()).string();
        ObservationStore store(path);
        Observation kept = PerseidObservationFromMadrid();
        kept.id = 0;
        kept.id = store.save(kept);
        const std::vector<unsigned char> before = fresh.read(kObservationStoreFile);

        Observation changed = kept;
        changed.observerName = "Otro";
        changed.periods[0].lm = 5.0;
        c.spoil(changed);
        const std::string error = failureOf([&] { store.save(changed); });
        EXPECT_NE(error.find("No se puede guardar la observación"), std::string::npos) << error;
        EXPECT_NE(error.find(path), std::string::npos) << error;

        Observation added = changed;
        added.id = 0;
        EXPECT_NE(failureOf([&] { store.saveNew({kept, added}); }), "no error");

        EXPECT_EQ(fresh.read(kObservationStoreFile), before);
        EXPECT_EQ(store.load(kept.id), kept);
        EXPECT_EQ(store.list().size(), 1u);
    }
}

// A file Velumbra cannot use is reported in Spanish with its path and never written to.
TEST_F(StoreTest, AFileThatCannotBeUsedIsLeftByteForByte) {
    const struct {
        const char* kind;
        std::function<void(const std::string&)> make;
        const char* said;
    } cases[] = {
        {"not a database",
         [](const std::string& path) {
             std::ofstream(path, std::ios::binary) << "Observaciones de la noche del 12 de agosto\n"
                                                   << std::string(5000, 'x');
         },
         "dañado"},
        {"bad pages after the first",
         [](const std::string& path) {
             {
                 ObservationStore store(path);
                 Observation o = PerseidObservationFromMadrid();
                 for (int i = 0; i < 40; ++i)
                     store.save(o), o.id = 0;
             }
             std::fstream f(path, std::ios::binary | std::ios::in | std::ios::out);
             f.seekp(4096);
             f << std::string(8192, '\xA5');
         },
         "dañado"},
        {"a database of another program",
         [](const std::string& path) {
             runSql(path, {"CREATE TABLE notas (texto TEXT)", "INSERT INTO notas VALUES ('x')"});
         },
         "otro programa"},
        {"a newer version",
         [](const std::string& path) {
             { ObservationStore store(path); }
             runSql(path, {"PRAGMA user_version = 9"});
         },
         "más reciente"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        TempDir fresh;
        const std::string path = ObservationStorePath(fresh.path()).string();
        c.make(path);
        const std::vector<unsigned char> before = fresh.read(kObservationStoreFile);
        const std::string error = failureOf([&] {
            ObservationStore store(path);
            store.list();
            store.save(PerseidObservationFromMadrid());
        });
        EXPECT_NE(error.find(c.said), std::string::npos) << error;
        EXPECT_NE(error.find(path), std::string::npos) << error;
        EXPECT_EQ(fresh.read(kObservationStoreFile), before);
        EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
    }
}

// Another program in the middle of a write: the store waits, then says so and changes
// nothing; once the other is done, the save goes through.
TEST_F(StoreTest, ABusyDatabaseIsWaitedForThenReported) {
    { ObservationStore created(file); }
    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
    other.setDatabaseName(QString::fromStdString(file));
    ASSERT_TRUE(other.open());
    {
        ObservationStore store(file, std::chrono::milliseconds(50));
        QSqlQuery(other).exec(QStringLiteral("BEGIN EXCLUSIVE"));
        const std::string error = failureOf([&] { store.save(PerseidObservationFromMadrid()); });
        EXPECT_NE(error.find("ocupada por otro programa"), std::string::npos) << error;
        QSqlQuery(other).exec(QStringLiteral("ROLLBACK"));
        Observation o = PerseidObservationFromMadrid();
        o.id = 0;
        EXPECT_EQ(store.load(store.save(o)).periods.size(), 3u);
    }
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase("other");
}

// Root writes into anything: run through the ctest entry that drops to an ordinary user.
TEST_F(StoreTest, AReadOnlyFileOrFolderIsReadButNeverWritten) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into anything";
    Observation night = PerseidObservationFromMadrid();
    night.id = 0;
    night.id = ObservationStore(file).save(night);
    const std::vector<unsigned char> before = dir.read(kObservationStoreFile);
    const struct {
        std::string path;
        mode_t locked;
        mode_t open;
    } cases[] = {{file, 0444, 0644}, {dir.path(), 0555, 0755}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        ::chmod(c.path.c_str(), c.locked);
        {
            ObservationStore store(file);
            EXPECT_EQ(store.load(night.id), night);
            const std::string error = failureOf([&] { store.save(night); });
            EXPECT_NE(error.find("no se puede escribir"), std::string::npos) << error;
        }
        ::chmod(c.path.c_str(), c.open);
        EXPECT_EQ(dir.read(kObservationStoreFile), before);
    }
}

// A file of the first version, whose showers had no speed nor population index, opens, keeps
// its observations and takes the new fields.
TEST_F(StoreTest, AFirstVersionFileIsUpgraded) {
    Observation old = PerseidObservationFromMadrid();
    old.id = 0;
    for (ObservedShower& s : old.showers)
        s.velocity = s.populationIndex = 0;
    {
        ObservationStore store(file);
        old.id = store.save(old);
    }
    runSql(file, {"ALTER TABLE showers DROP COLUMN velocity",
                  "ALTER TABLE showers DROP COLUMN population_index", "PRAGMA user_version = 1"});

    ObservationStore store(file);
    EXPECT_EQ(store.load(old.id), old);
    Observation now = PerseidObservationFromMadrid();
    now.id = old.id;
    store.save(now);
    EXPECT_EQ(store.load(old.id), now);
    EXPECT_EQ(runSql(file, {"PRAGMA user_version"}).toInt(), 2);
}

} // namespace
