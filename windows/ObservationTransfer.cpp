#include "windows/ObservationTransfer.h"

#include "observation/ObservationChecks.h"
#include "observation/VmdbExport.h"
#include "observation/VmdbImport.h"
#include "observation/WatchedShowers.h"
#include "output/ObservationReport.h"
#include "output/PrintCommand.h"
#include "platform/Dialogs.h"
#include "platform/Logo.h"
#include "platform/ObservationStore.h"
#include "sky/Errors.h"
#include "windows/ObservationContext.h"

QString ExportObservation(const ObservationContext& context, const Observation& observation) {
    const QString folder =
        context.dialogs.folderName(QString::fromUtf8("Carpeta para los archivos de la IMO (VMDB)"));
    if (folder.isEmpty())
        return {};
    const std::string failure = WriteVmdbFiles(folder.toStdString(), observation);
    if (!failure.empty()) {
        context.dialogs.error(QString::fromStdString(failure));
        return {};
    }
    const VmdbTexts names = VmdbFileNames(observation);
    return QString::fromUtf8("Exportada a %1: %2, %3 y %4.")
        .arg(folder, QString::fromStdString(names.sessions), QString::fromStdString(names.rates),
             QString::fromStdString(names.magnitudes));
}

int ImportObservations(const ObservationContext& context) {
    const QStringList files = context.dialogs.openFileNames(
        QString::fromUtf8("Archivos de la IMO (VMDB): sesiones, tasas y magnitudes"),
        QStringLiteral("Archivos CSV (*.csv *.txt);;Todos los archivos (*)"));
    if (files.isEmpty())
        return 0;
    std::vector<std::string> paths;
    for (const QString& f : files)
        paths.push_back(f.toStdString());
    const RadiantTable& radiants = context.radiants;
    try {
        const std::vector<Observation> observations =
            ReadVmdbFiles(paths, [&radiants](const std::string& code, const CivilDate& evening) {
                return ShowerOfLists(radiants, code, evening);
            });
        ObservationStore store(ObservationStorePath(context.dataDir));
        store.saveNew(observations);
        context.dialogs.information(QString::fromUtf8("Importadas %1 observaciones en %2.")
                                        .arg(observations.size())
                                        .arg(QString::fromStdString(store.path())));
        return static_cast<int>(observations.size());
    } catch (const VmdbError& e) {
        context.dialogs.error(QString::fromUtf8("No se ha importado nada.\n") +
                              QString::fromStdString(e.what()));
    } catch (const VelumbraError& e) {
        context.dialogs.error(QString::fromUtf8("No se ha importado nada.\n") +
                              QString::fromStdString(ErrorText(e)));
    }
    return 0;
}

void PrintObservation(const ObservationContext& context, const Observation& observation) {
    const std::vector<ObservationFault> faults = CheckObservation(observation);
    if (!faults.empty()) {
        context.dialogs.error(QString::fromUtf8("No se puede imprimir la observación: ") +
                              QString::fromStdString(faults.front().message));
        return;
    }
    const ObservationRates rates = ComputeRates(observation);
    try {
        PrintCopies(context.dialogs, context.printer, [&] {
            PrintObservationReport(context.printer, observation, rates, LoadLogo(context.dataDir));
        });
    } catch (const VelumbraError& e) {
        context.dialogs.error(QString::fromStdString(ErrorText(e)));
    }
}
