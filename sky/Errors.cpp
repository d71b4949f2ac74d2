#include "sky/Errors.h"

#include <cerrno>

namespace {

// Where a user finds a good copy of a data file: a file missing from the user's copy is copied
// there again from the installed files at the next start.
const char* const kFreshCopy =
    "Restaure el archivo desde una copia de seguridad, o bórrelo de la carpeta de datos "
    "(~/.local/share/velumbra) y vuelva a abrir Velumbra, que lo copiará de nuevo de los "
    "archivos instalados.";

const char* inOutMessage(InOutError::Code code) {
    switch (code) {
    case InOutError::FileNotFound:
        return "No se encuentra el archivo";
    case InOutError::AccessDenied:
        return "Acceso denegado";
    case InOutError::DiskRead:
        return "Error de lectura en disco";
    case InOutError::ReadBeyondEnd:
        return "Lectura más allá del final del archivo";
    case InOutError::DiskWrite:
        return "Error de escritura en disco";
    }
    return "Error de entrada/salida";
}

std::string inOutAdvice(InOutError::Code code) {
    switch (code) {
    case InOutError::FileNotFound:
        return kFreshCopy;
    case InOutError::AccessDenied:
        return "Compruebe que es un archivo (no una carpeta) y que tiene permiso para leerlo "
               "y escribirlo.";
    case InOutError::DiskRead:
        return std::string("El disco no pudo leer el archivo. ") + kFreshCopy;
    case InOutError::ReadBeyondEnd:
        return std::string("El archivo está cortado o dañado. ") + kFreshCopy;
    case InOutError::DiskWrite:
        return "Compruebe el espacio libre, los permisos y el límite de tamaño de archivo; el "
               "archivo conserva su contenido anterior.";
    }
    return kFreshCopy;
}

} // namespace

std::string ErrorText(const VelumbraError& e) {
    std::string text = e.what();
    if (!e.file().empty())
        text += "\n" + e.file();
    if (!e.advice().empty())
        text += "\n" + e.advice();
    return text;
}

void RaiseError(const VelumbraError&) {
    // Reports are made from inside the handler, so the error goes on with its own type.
    throw;
}

InOutError::InOutError(Code code, const std::string& file)
    : VelumbraError(inOutMessage(code), file, file.empty() ? std::string() : inOutAdvice(code)),
      code_(code) {}

RangeError::RangeError(const std::string& file)
    : VelumbraError("Error de rango", file,
                    file.empty() ? std::string()
                                 : std::string("El archivo tiene más registros o valores más "
                                               "grandes de los que admite Velumbra. ") +
                                       kFreshCopy) {}

ConvertError::ConvertError(const std::string& text, const std::string& file)
    : VelumbraError("'" + text + "' no es un número entero válido", file,
                    file.empty() ? std::string()
                                 : std::string("Corrija ese número en el archivo. ") + kFreshCopy) {
}

DamagedRecordError::DamagedRecordError(const std::string& file, long long record,
                                       const std::string& field, const std::string& value,
                                       const std::string& allowed)
    : VelumbraError(
          "Registro " + std::to_string(record) + " dañado: " + field + " vale " + value +
              " (debe estar " + allowed + ")",
          file, std::string("La lectura del archivo se detuvo en ese registro. ") + kFreshCopy) {}

SystemErrorText DescribeSystemError(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return {"no hay permiso para escribir en su carpeta",
                "Pida permiso de escritura para esa carpeta o use otra carpeta de datos."};
    case EROFS:
        return {"la carpeta está en un disco de solo lectura",
                "Use una carpeta de datos en un disco en el que se pueda escribir."};
    case ENOENT:
        return {"su carpeta ya no existe",
                "Compruebe que el disco sigue conectado y que la carpeta no se ha movido."};
    case ENOTDIR:
        return {"en su ruta hay un archivo donde debería haber una carpeta",
                "Compruebe la ruta de la carpeta de datos."};
    case EISDIR:
        return {"en su lugar hay una carpeta con el mismo nombre",
                "Mueva o cambie de nombre esa carpeta y vuelva a intentarlo."};
    case ENOSPC:
    case EDQUOT:
        return {"el disco está lleno", "Libere espacio en el disco y vuelva a intentarlo."};
    case EFBIG:
        return {"el archivo es más grande de lo que admite el disco",
                "Use una carpeta de datos en otro disco."};
    case EIO:
        return {"el disco ha dado un error al leer o escribir",
                "Compruebe el disco; si vuelve a ocurrir, use otro."};
    case ENAMETOOLONG:
        return {"su ruta es demasiado larga", "Use una carpeta de datos de ruta más corta."};
    case ELOOP:
        return {"su ruta tiene demasiados enlaces simbólicos encadenados",
                "Compruebe los enlaces de la carpeta de datos."};
    case EMFILE:
    case ENFILE:
        return {"hay demasiados archivos abiertos en el sistema",
                "Cierre otros programas y vuelva a intentarlo."};
    case ENOMEM:
        return {"no hay memoria suficiente", "Cierre otros programas y vuelva a intentarlo."};
    case EBUSY:
    case ETXTBSY:
        return {"el archivo está en uso",
                "Ciérrelo en el programa que lo usa y vuelva a intentarlo."};
    default:
        return {"el sistema ha rechazado la operación (código " + std::to_string(error) + ")",
                "Compruebe el disco y los permisos de la carpeta de datos y vuelva a intentarlo."};
    }
}
