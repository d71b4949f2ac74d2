#include "windows/UListaObservaciones.h"

#include "platform/Dialogs.h"
#include "platform/ObservationStore.h"
#include "sky/Errors.h"
#include "windows/ObservationTransfer.h"
#include "windows/UObservacion.h"

#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString nightText(const CivilDate& evening, const CivilDate& morning) {
    return QDate(evening.year, evening.month, evening.day).toString(QStringLiteral("dd/MM/yyyy")) +
           QStringLiteral(" - ") +
           QDate(morning.year, morning.month, morning.day).toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace

TFListaObservaciones::TFListaObservaciones(const ObservationContext& context, Purpose purpose,
                                           QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("FListaObservaciones"));
    const char* titles[] = {"Velumbra - Observaciones guardadas",
                            "Velumbra - Exportar para la IMO (VMDB): elija la observación",
                            "Velumbra - Imprimir informe: elija la observación"};
    setWindowTitle(QString::fromUtf8(titles[static_cast<int>(purpose)]));
    gLista = new QTableWidget(this);
    gLista->setObjectName(QStringLiteral("gLista"));
    gLista->setColumnCount(4);
    gLista->setHorizontalHeaderLabels({QStringLiteral("Noche"), QStringLiteral("Lugar"),
                                       QStringLiteral("Observador"), QStringLiteral("Periodos")});
    gLista->setSelectionBehavior(QAbstractItemView::SelectRows);
    gLista->setSelectionMode(QAbstractItemView::SingleSelection);
    gLista->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gLista->horizontalHeader()->setStretchLastSection(true);
    gLista->verticalHeader()->hide();
    lEstado = new QLabel(this);
    lEstado->setObjectName(QStringLiteral("lEstado"));
    lEstado->setWordWrap(true);
    auto button = [this](const QString& text, const char* name) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        return b;
    };
    bAbrir = button(QStringLiteral("Abrir"), "bAbrir");
    bCopiar = button(QStringLiteral("Copiar"), "bCopiar");
    bBorrar = button(QStringLiteral("Borrar"), "bBorrar");
    bExportar = button(QStringLiteral("Exportar para la IMO (VMDB)..."), "bExportar");
    bImprimir = button(QStringLiteral("Imprimir informe..."), "bImprimir");
    bCerrar = button(QStringLiteral("Cerrar"), "bCerrar");
    QPushButton* byPurpose[] = {bAbrir, bExportar, bImprimir};
    byPurpose[static_cast<int>(purpose)]->setDefault(true);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {bAbrir, bCopiar, bBorrar, bExportar, bImprimir})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(bCerrar);
    auto* all = new QVBoxLayout(this);
    all->addWidget(gLista, 1);
    all->addWidget(lEstado);
    all->addLayout(buttons);
    resize(720, 420);

    connect(bAbrir, &QPushButton::clicked, this, [this] { bAbrirClick(); });
    connect(bCopiar, &QPushButton::clicked, this, [this] { bCopiarClick(); });
    connect(bBorrar, &QPushButton::clicked, this, [this] { bBorrarClick(); });
    connect(bExportar, &QPushButton::clicked, this, [this] { bExportarClick(); });
    connect(bImprimir, &QPushButton::clicked, this, [this] { bImprimirClick(); });
    connect(bCerrar, &QPushButton::clicked, this, &QDialog::accept);
    connect(gLista, &QTableWidget::cellDoubleClicked, this,
            [byPurpose = byPurpose[static_cast<int>(purpose)]] { byPurpose->click(); });
}

template <typename F> bool TFListaObservaciones::guarded(F work) {
    try {
        work();
        return true;
    } catch (const VelumbraError& e) {
        context_.dialogs.error(QString::fromStdString(ErrorText(e)));
        return false;
    }
}

bool TFListaObservaciones::fill() {
    return guarded([this] {
        ObservationStore store(ObservationStorePath(context_.dataDir));
        const std::vector<ObservationSummary> rows = store.list();
        const int current = gLista->currentRow();
        gLista->setRowCount(static_cast<int>(rows.size()));
        ids_.clear();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ObservationSummary& r = rows[i];
            const int row = static_cast<int>(i);
            gLista->setItem(row, 0, new QTableWidgetItem(nightText(r.evening, r.morning)));
            gLista->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(r.site)));
            gLista->setItem(row, 2, new QTableWidgetItem(QString::fromStdString(r.observer)));
            auto* periods = new QTableWidgetItem(QString::number(r.periods));
            periods->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            gLista->setItem(row, 3, periods);
            ids_.push_back(r.id);
        }
        gLista->resizeColumnsToContents();
        gLista->setCurrentCell(std::min(std::max(current, 0), gLista->rowCount() - 1), 0);
        lEstado->setText(rows.empty()
                             ? QString::fromUtf8("No hay observaciones guardadas en %1.")
                                   .arg(QString::fromStdString(store.path()))
                             : QString::fromUtf8(rows.size() == 1 ? "%1 observación en %2."
                                                                  : "%1 observaciones en %2.")
                                   .arg(rows.size())
                                   .arg(QString::fromStdString(store.path())));
    });
}

std::optional<std::int64_t> TFListaObservaciones::chosen() {
    const int row = gLista->currentRow();
    if (row >= 0 && row < static_cast<int>(ids_.size()))
        return ids_[static_cast<std::size_t>(row)];
    context_.dialogs.information(QString::fromUtf8("Elija primero una observación de la lista."));
    return std::nullopt;
}

std::optional<Observation> TFListaObservaciones::loadChosen() {
    const std::optional<std::int64_t> id = chosen();
    std::optional<Observation> observation;
    if (id)
        guarded([&] {
            observation = ObservationStore(ObservationStorePath(context_.dataDir)).load(*id);
        });
    return observation;
}

void TFListaObservaciones::bAbrirClick() {
    if (const std::optional<Observation> observation = loadChosen()) {
        TFObservacion window(context_, *observation, this);
        context_.dialogs.exec(window);
        fill();
    }
}

void TFListaObservaciones::bCopiarClick() {
    const std::optional<std::int64_t> id = chosen();
    if (id && guarded([&] { ObservationStore(ObservationStorePath(context_.dataDir)).copy(*id); }))
        fill();
}

void TFListaObservaciones::bBorrarClick() {
    const std::optional<std::int64_t> id = chosen();
    if (!id)
        return;
    const int row = gLista->currentRow();
    if (!context_.dialogs.question(
            QString::fromUtf8("¿Borrar la observación de la noche %1 en %2, de %3? No se podrá "
                              "recuperar.")
                .arg(gLista->item(row, 0)->text(), gLista->item(row, 1)->text(),
                     gLista->item(row, 2)->text())))
        return;
    if (guarded([&] { ObservationStore(ObservationStorePath(context_.dataDir)).remove(*id); }))
        fill();
}

void TFListaObservaciones::bExportarClick() {
    if (const std::optional<Observation> observation = loadChosen()) {
        const QString done = ExportObservation(context_, *observation);
        if (!done.isEmpty())
            lEstado->setText(done);
    }
}

void TFListaObservaciones::bImprimirClick() {
    if (const std::optional<Observation> observation = loadChosen())
        PrintObservation(context_, *observation);
}

void ShowObservationList(const ObservationContext& context, TFListaObservaciones::Purpose purpose,
                         QWidget* parent) {
    TFListaObservaciones list(context, purpose, parent);
    if (list.fill())
        context.dialogs.exec(list);
}
