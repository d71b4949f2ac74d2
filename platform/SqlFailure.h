#pragma once
// A failed statement of the observation database as the program's error: what could not be
// done, why in the user's words, the database's path and what to do.
#include <QSqlError>

#include <string>

// `doing` completes "No se puede ...", e.g. "guardar la observación".
[[noreturn]] void RaiseSqlFailure(const QSqlError& error, const std::string& doing,
                                  const std::string& path);
