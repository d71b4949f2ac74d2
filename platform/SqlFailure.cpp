#include "platform/SqlFailure.h"

#include "sky/Errors.h"

namespace {

// SQLite's primary result codes the program answers differently.
enum class SqlFault { Busy, Damaged, ReadOnly, Disk, Refused, Other };

const std::string kUntouched = "Velumbra no ha cambiado nada en ella.";

std::string reason(SqlFault fault) {
    switch (fault) {
    case SqlFault::Busy:
        return "la base de datos está ocupada por otro programa (quizá otro Velumbra abierto)";
    case SqlFault::Damaged:
        return "el archivo está dañado o no es una base de datos de observaciones";
    case SqlFault::ReadOnly:
        return "no se puede escribir en la base de datos";
    case SqlFault::Disk:
        return "error de disco al usar la base de datos";
    case SqlFault::Refused:
        return "la base de datos no admite algún dato de la observación";
    case SqlFault::Other:
        break;
    }
    return "error de la base de datos";
}

std::string advice(SqlFault fault) {
    switch (fault) {
    case SqlFault::Busy:
        return "Cierre el otro programa o espere a que termine y vuelva a intentarlo. " +
               kUntouched;
    case SqlFault::Damaged:
        return "Velumbra no la modifica ni la borra. Guarde una copia del archivo y restaure "
               "una copia de seguridad, o muévalo a otra carpeta para empezar una base nueva.";
    case SqlFault::ReadOnly:
        return "Compruebe que puede escribir en el archivo y en su carpeta. " + kUntouched;
    case SqlFault::Disk:
        return "Compruebe el espacio libre del disco. " + kUntouched;
    case SqlFault::Refused:
        return "Corrija la observación y guárdela de nuevo. " + kUntouched;
    case SqlFault::Other:
        break;
    }
    return kUntouched;
}

SqlFault FaultOf(const QSqlError& error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    if (!ok)
        return SqlFault::Other;
    // An extended code (a read-only folder is READONLY_DIRECTORY) carries the primary one in
    // its low byte.
    switch (code & 0xFF) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return SqlFault::Busy;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return SqlFault::Damaged;
    case 3:  // SQLITE_PERM
    case 8:  // SQLITE_READONLY
    case 14: // SQLITE_CANTOPEN
        return SqlFault::ReadOnly;
    case 10: // SQLITE_IOERR
    case 13: // SQLITE_FULL
        return SqlFault::Disk;
    case 19: // SQLITE_CONSTRAINT
        return SqlFault::Refused;
    default:
        return SqlFault::Other;
    }
}

} // namespace

void RaiseSqlFailure(const QSqlError& error, const std::string& doing, const std::string& path) {
    const SqlFault fault = FaultOf(error);
    std::string message = "No se puede " + doing + ": " + reason(fault);
    const std::string detail = error.databaseText().toStdString();
    if (fault == SqlFault::Other || fault == SqlFault::Refused)
        message += " (" + detail + ")";
    throw VelumbraError(message + ".", path, advice(fault));
}
