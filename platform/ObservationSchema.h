#pragma once
// The tables of the observation database and the steps that bring an older file up to date.
#include <QSqlDatabase>

#include <string>

// Kept in PRAGMA user_version. 1 had no speed and no population index for the showers.
constexpr int kObservationSchemaVersion = 2;

// The column of the magnitudes table holding the meteors of one magnitude, -6..+7.
QString MagnitudeColumn(int magnitude);

// Creates the tables in a new, empty database or upgrades an older one, in one transaction.
// A file of a newer version, of another program or unreadable raises the program's error and
// is left as it was.
void PrepareObservationSchema(QSqlDatabase& db, const std::string& path);
