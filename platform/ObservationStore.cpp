#include "platform/ObservationStore.h"

#include "platform/ObservationSchema.h"
#include "platform/SqlFailure.h"
#include "sky/Errors.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

#include <functional>
#include <map>

namespace {

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString dateText(const CivilDate& d) {
    return QDate(d.year, d.month, d.day).toString(Qt::ISODate);
}

CivilDate readDate(const QVariant& v) {
    const QDate d = QDate::fromString(v.toString(), Qt::ISODate);
    return {d.year(), d.month(), d.day()};
}

QVariant optionalNumber(const std::optional<double>& v) {
    return v ? QVariant(*v) : QVariant();
}

std::optional<double> readOptional(const QVariant& v) {
    if (v.isNull())
        return std::nullopt;
    return v.toDouble();
}

// A prepared statement run once per row; any failure raises the program's error.
class Statement {
  public:
    Statement(const QSqlDatabase& db, const QString& sql, const std::string& doing,
              const std::string& path)
        : query_(db), doing_(doing), path_(path) {
        if (!query_.prepare(sql))
            fail();
    }
    Statement& operator()(const std::vector<QVariant>& values) {
        int i = 0;
        for (const QVariant& v : values)
            query_.bindValue(i++, v);
        if (!query_.exec())
            fail();
        return *this;
    }
    bool next() {
        if (query_.next())
            return true;
        if (query_.lastError().isValid())
            fail();
        return false;
    }
    QVariant at(int i) const { return query_.value(i); }
    std::int64_t lastId() const { return query_.lastInsertId().toLongLong(); }

  private:
    [[noreturn]] void fail() { RaiseSqlFailure(query_.lastError(), doing_, path_); }

    QSqlQuery query_;
    const std::string& doing_;
    const std::string& path_;
};

QString magnitudeColumns() {
    QString columns;
    for (int i = 0; i < kMagnitudeClasses; ++i)
        columns += QStringLiteral(", ") + MagnitudeColumn(kBrightestMagnitude + i);
    return columns;
}

} // namespace

std::filesystem::path ObservationStorePath(const std::string& dataDir) {
    return std::filesystem::path(dataDir) / kObservationStoreFile;
}

ObservationStore::ObservationStore(const std::filesystem::path& file,
                                   std::chrono::milliseconds wait)
    : path_(file.string()), connection_(QStringLiteral("observaciones-") +
                                        QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    try {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        if (!db.isValid())
            throw VelumbraError("No se puede abrir la base de datos de observaciones: falta el "
                                "controlador SQLite de Qt.",
                                path_, "Instale el paquete libqt6sql6-sqlite.");
        db.setDatabaseName(text(path_));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(wait.count()));
        if (!db.open())
            RaiseSqlFailure(db.lastError(), "abrir la base de datos de observaciones", path_);
        const std::string doing = "abrir la base de datos de observaciones";
        Statement(db, QStringLiteral("PRAGMA foreign_keys = ON"), doing, path_)({});
        PrepareObservationSchema(db, path_);
    } catch (...) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
        throw;
    }
}

ObservationStore::~ObservationStore() {
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

namespace {

// Runs `work` in one transaction: committed whole, or rolled back and the error raised.
template <typename F>
auto inTransaction(const QString& connection, const std::string& doing, const std::string& path,
                   const QString& begin, F work) {
    const QSqlDatabase db = QSqlDatabase::database(connection, false);
    Statement(db, begin, doing, path)({});
    try {
        auto result = work(db);
        Statement(db, QStringLiteral("COMMIT"), doing, path)({});
        return result;
    } catch (...) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

const QString kRead = QStringLiteral("BEGIN");
// Takes the write lock at once, so two programs saving at the same time wait for each other
// instead of failing half-way.
const QString kWrite = QStringLiteral("BEGIN IMMEDIATE");

} // namespace

std::vector<ObservationSummary> ObservationStore::list() {
    const std::string doing = "leer la lista de observaciones";
    return inTransaction(connection_, doing, path_, kRead, [&](const QSqlDatabase& db) {
        Statement q(db,
                    QStringLiteral("SELECT id, evening, morning, site_name, observer_name, "
                                   "(SELECT count(*) FROM periods p WHERE p.session_id = s.id) "
                                   "FROM sessions s ORDER BY evening DESC, id DESC"),
                    doing, path_);
        q({});
        std::vector<ObservationSummary> rows;
        while (q.next())
            rows.push_back({q.at(0).toLongLong(), readDate(q.at(1)), readDate(q.at(2)),
                            q.at(3).toString().toStdString(), q.at(4).toString().toStdString(),
                            q.at(5).toInt()});
        return rows;
    });
}

Observation ObservationStore::load(std::int64_t id) {
    return inTransaction(connection_, "abrir la observación", path_, kRead,
                         [&](const QSqlDatabase&) { return read(id); });
}

std::int64_t ObservationStore::save(const Observation& observation) {
    return inTransaction(connection_, "guardar la observación", path_, kWrite,
                         [&](const QSqlDatabase&) { return write(observation); });
}

std::vector<std::int64_t> ObservationStore::saveNew(const std::vector<Observation>& observations) {
    return inTransaction(connection_, "guardar las observaciones", path_, kWrite,
                         [&](const QSqlDatabase&) {
                             std::vector<std::int64_t> ids;
                             for (Observation o : observations) {
                                 o.id = 0;
                                 ids.push_back(write(o));
                             }
                             return ids;
                         });
}

std::int64_t ObservationStore::copy(std::int64_t id) {
    return inTransaction(connection_, "copiar la observación", path_, kWrite,
                         [&](const QSqlDatabase&) {
                             Observation o = read(id);
                             o.id = 0;
                             return write(o);
                         });
}

void ObservationStore::remove(std::int64_t id) {
    const std::string doing = "borrar la observación";
    inTransaction(connection_, doing, path_, kWrite, [&](const QSqlDatabase& db) {
        Statement(db, QStringLiteral("DELETE FROM sessions WHERE id = ?"), doing,
                  path_)({QVariant::fromValue<qlonglong>(id)});
        return true;
    });
}

std::int64_t ObservationStore::write(const Observation& o) {
    const QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const std::string doing = "guardar la observación";
    auto statement = [&](const QString& sql) { return Statement(db, sql, doing, path_); };
    if (o.id != 0)
        statement(QStringLiteral("DELETE FROM sessions WHERE id = ?"))(
            {QVariant::fromValue<qlonglong>(o.id)});
    Statement session = statement(QStringLiteral(
        "INSERT INTO sessions (id, observer_name, observer_code, site_name, country, latitude, "
        "longitude, elevation, evening, morning, utc_offset) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    session({o.id != 0 ? QVariant::fromValue<qlonglong>(o.id) : QVariant(), text(o.observerName),
             text(o.observerCode), text(o.site.name), text(o.site.country), o.site.latitude,
             o.site.longitude, o.site.elevationMetres, dateText(o.evening), dateText(o.morning),
             o.utcOffset});
    const QVariant id = QVariant::fromValue<qlonglong>(o.id != 0 ? o.id : session.lastId());

    Statement shower = statement(
        QStringLiteral("INSERT INTO showers (session_id, position, code, name, ra, dec, velocity, "
                       "population_index) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    int position = 0;
    for (const ObservedShower& s : o.showers)
        shower({id, position++, text(s.code), text(s.name), s.ra, s.dec, s.velocity,
                s.populationIndex});

    Statement period = statement(
        QStringLiteral("INSERT INTO periods (session_id, number, start_ut, end_ut, teff, f, lm, "
                       "ra, dec, method) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    Statement count = statement(QStringLiteral(
        "INSERT INTO counts (session_id, period, position, code, number) VALUES (?, ?, ?, ?, ?)"));
    Statement magnitudes = statement(
        QStringLiteral("INSERT INTO magnitudes (session_id, period, code%1) VALUES (?, ?, ?%2)")
            .arg(magnitudeColumns(), QStringLiteral(", ?").repeated(kMagnitudeClasses)));
    int number = 0;
    for (const Period& p : o.periods) {
        ++number;
        period({id, number, QVariant::fromValue<qlonglong>(p.startUt),
                QVariant::fromValue<qlonglong>(p.endUt), p.teff, p.f, p.lm, optionalNumber(p.ra),
                optionalNumber(p.dec), text(p.method)});
        int place = 0;
        for (const ShowerCount& c : p.counts) {
            count({id, number, place++, text(c.code), c.number});
            if (!c.magnitudes)
                continue;
            std::vector<QVariant> values{id, number, text(c.code)};
            values.insert(values.end(), c.magnitudes->begin(), c.magnitudes->end());
            magnitudes(values);
        }
    }
    return id.toLongLong();
}

Observation ObservationStore::read(std::int64_t id) {
    const QSqlDatabase db = QSqlDatabase::database(connection_, false);
    const std::string doing = "abrir la observación";
    auto statement = [&](const QString& sql) { return Statement(db, sql, doing, path_); };
    const QVariant key = QVariant::fromValue<qlonglong>(id);
    Observation o;
    Statement session = statement(
        QStringLiteral("SELECT observer_name, observer_code, site_name, country, latitude, "
                       "longitude, elevation, evening, morning, utc_offset FROM sessions "
                       "WHERE id = ?"));
    if (!session({key}).next())
        throw VelumbraError("No se puede abrir la observación: ya no está en la base de datos "
                            "(quizá la borró otro Velumbra).",
                            path_, "Cierre la lista de observaciones y ábrala de nuevo.");
    o.id = id;
    o.observerName = session.at(0).toString().toStdString();
    o.observerCode = session.at(1).toString().toStdString();
    o.site = {session.at(2).toString().toStdString(), session.at(3).toString().toStdString(),
              session.at(4).toDouble(), session.at(5).toDouble(), session.at(6).toDouble()};
    o.evening = readDate(session.at(7));
    o.morning = readDate(session.at(8));
    o.utcOffset = session.at(9).toDouble();

    Statement showers =
        statement(QStringLiteral("SELECT code, name, ra, dec, velocity, population_index FROM "
                                 "showers WHERE session_id = ? ORDER BY position"));
    showers({key});
    while (showers.next())
        o.showers.push_back({showers.at(0).toString().toStdString(),
                             showers.at(1).toString().toStdString(), showers.at(2).toDouble(),
                             showers.at(3).toDouble(), showers.at(4).toDouble(),
                             showers.at(5).toDouble()});

    Statement periods = statement(
        QStringLiteral("SELECT number, start_ut, end_ut, teff, f, lm, ra, dec, method FROM "
                       "periods WHERE session_id = ? ORDER BY number"));
    periods({key});
    std::map<int, std::size_t> byNumber;
    while (periods.next()) {
        byNumber[periods.at(0).toInt()] = o.periods.size();
        Period p;
        p.startUt = periods.at(1).toLongLong();
        p.endUt = periods.at(2).toLongLong();
        p.teff = periods.at(3).toDouble();
        p.f = periods.at(4).toDouble();
        p.lm = periods.at(5).toDouble();
        p.ra = readOptional(periods.at(6));
        p.dec = readOptional(periods.at(7));
        p.method = periods.at(8).toString().toStdString();
        o.periods.push_back(p);
    }

    Statement counts = statement(QStringLiteral("SELECT period, code, number FROM counts WHERE "
                                                "session_id = ? ORDER BY period, position"));
    counts({key});
    while (counts.next())
        o.periods[byNumber.at(counts.at(0).toInt())].counts.push_back(
            {counts.at(1).toString().toStdString(), counts.at(2).toInt(), std::nullopt});

    Statement magnitudes =
        statement(QStringLiteral("SELECT period, code%1 FROM magnitudes WHERE session_id = ?")
                      .arg(magnitudeColumns()));
    magnitudes({key});
    while (magnitudes.next()) {
        MagnitudeCounts m{};
        for (int i = 0; i < kMagnitudeClasses; ++i)
            m[static_cast<std::size_t>(i)] = magnitudes.at(2 + i).toDouble();
        const std::string code = magnitudes.at(1).toString().toStdString();
        for (ShowerCount& c : o.periods[byNumber.at(magnitudes.at(0).toInt())].counts)
            if (c.code == code)
                c.magnitudes = m;
    }
    return o;
}
