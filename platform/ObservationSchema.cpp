#include "platform/ObservationSchema.h"

#include "observation/Observation.h"
#include "platform/SqlFailure.h"
#include "sky/Errors.h"

#include <QSqlQuery>
#include <QStringList>

#include <functional>

namespace {

// The constraints refuse what the observation window refuses, so that no other road (an
// import, a later version, a hand edit) leaves a night the program cannot show.
QStringList currentTables() {
    QString magnitudes;
    for (int i = 0; i < kMagnitudeClasses; ++i) {
        const QString column = MagnitudeColumn(kBrightestMagnitude + i);
        magnitudes += QStringLiteral("  %1 REAL NOT NULL CHECK (%1 >= 0 AND %1 * 2 = "
                                     "CAST(%1 * 2 AS INTEGER)),\n")
                          .arg(column);
    }
    return {
        QStringLiteral("CREATE TABLE sessions (\n"
                       "  id INTEGER PRIMARY KEY,\n"
                       "  observer_name TEXT NOT NULL,\n"
                       "  observer_code TEXT NOT NULL,\n"
                       "  site_name TEXT NOT NULL,\n"
                       "  country TEXT NOT NULL,\n"
                       "  latitude REAL NOT NULL CHECK (latitude BETWEEN -90 AND 90),\n"
                       "  longitude REAL NOT NULL CHECK (longitude BETWEEN -180 AND 180),\n"
                       "  elevation REAL NOT NULL,\n"
                       "  evening TEXT NOT NULL CHECK (date(evening) = evening),\n"
                       "  morning TEXT NOT NULL CHECK (morning = date(evening, '+1 day')),\n"
                       "  utc_offset REAL NOT NULL CHECK (utc_offset BETWEEN -14 AND 14))"),
        QStringLiteral("CREATE TABLE showers (\n"
                       "  session_id INTEGER NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,\n"
                       "  position INTEGER NOT NULL,\n"
                       "  code TEXT NOT NULL CHECK (length(code) > 0),\n"
                       "  name TEXT NOT NULL,\n"
                       "  ra REAL NOT NULL CHECK (ra BETWEEN 0 AND 360),\n"
                       "  dec REAL NOT NULL CHECK (dec BETWEEN -90 AND 90),\n"
                       "  velocity REAL NOT NULL DEFAULT 0 CHECK (velocity >= 0),\n"
                       "  population_index REAL NOT NULL DEFAULT 0 CHECK (population_index >= 0),\n"
                       "  PRIMARY KEY (session_id, code),\n"
                       "  UNIQUE (session_id, position))"),
        QStringLiteral(
            "CREATE TABLE periods (\n"
            "  session_id INTEGER NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,\n"
            "  number INTEGER NOT NULL CHECK (number >= 1),\n"
            "  start_ut INTEGER NOT NULL,\n"
            "  end_ut INTEGER NOT NULL CHECK (end_ut > start_ut AND end_ut - start_ut <= 25200),\n"
            "  teff REAL NOT NULL CHECK (teff > 0 AND teff * 3600 <= end_ut - start_ut + 0.001),\n"
            "  f REAL NOT NULL CHECK (f >= 1),\n"
            "  lm REAL NOT NULL CHECK (lm BETWEEN 0 AND 8),\n"
            "  ra REAL CHECK (ra BETWEEN 0 AND 360),\n"
            "  dec REAL CHECK (dec BETWEEN -90 AND 90),\n"
            "  method TEXT NOT NULL,\n"
            "  PRIMARY KEY (session_id, number))"),
        // From local noon to local noon, as the window's check.
        QStringLiteral("CREATE TRIGGER period_in_night BEFORE INSERT ON periods\n"
                       "WHEN (SELECT NEW.start_ut < noon OR NEW.end_ut > noon + 86400 FROM\n"
                       "  (SELECT CAST(strftime('%s', evening) AS INTEGER) + 43200 -\n"
                       "   CAST(round(utc_offset * 3600) AS INTEGER) AS noon\n"
                       "   FROM sessions WHERE id = NEW.session_id))\n"
                       "BEGIN SELECT RAISE(ABORT, 'periodo fuera de la noche'); END"),
        QStringLiteral(
            "CREATE TABLE counts (\n"
            "  session_id INTEGER NOT NULL,\n"
            "  period INTEGER NOT NULL,\n"
            "  position INTEGER NOT NULL,\n"
            "  code TEXT NOT NULL,\n"
            "  number INTEGER NOT NULL CHECK (typeof(number) = 'integer' AND number >= 0),\n"
            "  PRIMARY KEY (session_id, period, code),\n"
            "  UNIQUE (session_id, period, position),\n"
            "  FOREIGN KEY (session_id, period) REFERENCES periods(session_id, number)\n"
            "    ON DELETE CASCADE,\n"
            "  FOREIGN KEY (session_id, code) REFERENCES showers(session_id, code)\n"
            "    ON DELETE CASCADE)"),
        QStringLiteral("CREATE INDEX counts_by_shower ON counts(session_id, code)"),
        QStringLiteral("CREATE TABLE magnitudes (\n"
                       "  session_id INTEGER NOT NULL,\n"
                       "  period INTEGER NOT NULL,\n"
                       "  code TEXT NOT NULL,\n") +
            magnitudes +
            QStringLiteral("  PRIMARY KEY (session_id, period, code),\n"
                           "  FOREIGN KEY (session_id, period, code)\n"
                           "    REFERENCES counts(session_id, period, code) ON DELETE CASCADE)"),
    };
}

// Step n brings a file of version n to version n + 1.
QStringList upgradeFrom(int version) {
    if (version == 1)
        return {QStringLiteral("ALTER TABLE showers ADD COLUMN velocity REAL NOT NULL "
                               "DEFAULT 0 CHECK (velocity >= 0)"),
                QStringLiteral("ALTER TABLE showers ADD COLUMN population_index REAL NOT NULL "
                               "DEFAULT 0 CHECK (population_index >= 0)")};
    return {};
}

class Schema {
  public:
    Schema(QSqlDatabase& db, const std::string& path) : db_(db), path_(path) {}

    int readInt(const QString& sql) {
        QSqlQuery q(db_);
        if (!q.exec(sql) || !q.next())
            RaiseSqlFailure(q.lastError(), "abrir la base de datos de observaciones", path_);
        return q.value(0).toInt();
    }

    void inTransaction(const std::function<void()>& work) {
        run(QStringLiteral("BEGIN IMMEDIATE"));
        try {
            work();
            run(QStringLiteral("COMMIT"));
        } catch (...) {
            QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
            throw;
        }
    }

    void run(const QString& sql) {
        QSqlQuery q(db_);
        if (!q.exec(sql))
            RaiseSqlFailure(q.lastError(), "preparar la base de datos de observaciones", path_);
    }

    int version() { return readInt(QStringLiteral("PRAGMA user_version")); }

  private:
    QSqlDatabase& db_;
    const std::string& path_;
};

void refuseNewer(int version, const std::string& path) {
    if (version > kObservationSchemaVersion)
        throw VelumbraError("No se puede abrir la base de datos de observaciones: la creó una "
                            "versión más reciente de Velumbra (esquema " +
                                std::to_string(version) + ").",
                            path,
                            "Actualice Velumbra para usarla. Velumbra no ha cambiado nada en "
                            "ella.");
}

} // namespace

QString MagnitudeColumn(int magnitude) {
    return magnitude < 0 ? QStringLiteral("mag_n%1").arg(-magnitude)
                         : QStringLiteral("mag_%1").arg(magnitude);
}

void PrepareObservationSchema(QSqlDatabase& db, const std::string& path) {
    Schema schema(db, path);
    const int seen = schema.version();
    if (seen == kObservationSchemaVersion)
        return;
    refuseNewer(seen, path);
    schema.inTransaction([&] {
        // Another Velumbra may have prepared the file while this one waited for it.
        const int version = schema.version();
        refuseNewer(version, path);
        if (version <= 0) {
            if (schema.readInt(QStringLiteral("SELECT count(*) FROM sqlite_master")) != 0)
                throw VelumbraError("No se puede abrir la base de datos de observaciones: el "
                                    "archivo es una base de datos de otro programa.",
                                    path,
                                    "Muévalo a otra carpeta o cámbiele el nombre para que "
                                    "Velumbra empiece una base nueva. Velumbra no ha cambiado "
                                    "nada en él.");
            for (const QString& sql : currentTables())
                schema.run(sql);
        } else {
            for (int from = version; from < kObservationSchemaVersion; ++from)
                for (const QString& sql : upgradeFrom(from))
                    schema.run(sql);
        }
        schema.run(QStringLiteral("PRAGMA user_version = %1").arg(kObservationSchemaVersion));
    });
}
