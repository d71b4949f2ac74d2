#include "windows/AtlasExport.h"

#include "output/Atlas.h"
#include "platform/Dialogs.h"
#include "platform/PdfFile.h"
#include "platform/PlanSettings.h"

void ExportAtlas(Dialogs& dialogs, const PrintSources& sources, int year) {
    const AtlasContents contents =
        AtlasContentsFor(sources, RememberedPlan(sources.dateDay, sources.dateMonth, year));
    if (!dialogs.confirm(QString::fromStdString(AtlasContentsMessage(sources, contents))))
        return;
    const QString file =
        dialogs.saveFileName(QStringLiteral("Exportar atlas PDF"),
                             QStringLiteral("Documentos PDF (*.pdf)"), QStringLiteral("pdf"));
    if (file.isEmpty())
        return;
    const auto progress =
        dialogs.progress("Velumbra - Exportar atlas PDF", AtlasSteps(contents.plan.has_value()));
    WritePdfFile(
        file, [&](Printer& printer) { return PrintAtlas(printer, sources, contents, *progress); });
}
