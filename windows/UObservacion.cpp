#include "windows/UObservacion.h"

#include "observation/DecimalText.h"
#include "observation/PeriodText.h"
#include "observation/WatchedShowers.h"
#include "platform/Dialogs.h"
#include "platform/ObservationStore.h"
#include "platform/PlanSettings.h"
#include "platform/QtCanvas.h"
#include "platform/ZhrChart.h"
#include "sky/Errors.h"
#include "sky/Radiant.h"
#include "windows/ObservationTransfer.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string s(const QString& text) {
    return text.toStdString();
}

QDate qdate(const CivilDate& d) {
    return QDate(d.year, d.month, d.day);
}

CivilDate civil(const QDate& d) {
    return {d.year(), d.month(), d.day()};
}

QString magnitudeLabel(int magnitude) {
    return magnitude > 0 ? QStringLiteral("+%1").arg(magnitude) : QString::number(magnitude);
}

QTableWidget* grid(QWidget* parent, const char* name) {
    auto* g = new QTableWidget(parent);
    g->setObjectName(QLatin1String(name));
    g->setSelectionMode(QAbstractItemView::ExtendedSelection);
    g->verticalHeader()->setDefaultSectionSize(22);
    return g;
}

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLineEdit* edit(const char* name, const QString& placeholder, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setPlaceholderText(placeholder);
    return e;
}

} // namespace

TFObservacion::TFObservacion(const ObservationContext& context, QWidget* parent)
    : QDialog(parent), context_(context) {
    const PlanSettings plan = LoadPlanSettings();
    draft_.latitude = s(plan.latitude.trimmed());
    draft_.longitude = s(plan.longitude.trimmed());
    draft_.evening = context.radiantDate;
    draft_.morning = NextDay(context.radiantDate);
    draft_.utcOffset = plan.utcOffset;
    draft_.showers = ShowersActiveOn(context.radiants, draft_.evening);
    build();
}

TFObservacion::TFObservacion(const ObservationContext& context, const Observation& stored,
                             QWidget* parent)
    : QDialog(parent), context_(context), draft_(DraftOf(stored)) {
    build();
}

void TFObservacion::build() {
    setObjectName(QStringLiteral("FObservacion"));
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(buildSession(), QString::fromUtf8("Sesión"));
    tabs->addTab(buildPeriods(), QStringLiteral("Periodos"));
    tabs->addTab(buildResults(), QStringLiteral("Resultados"));

    lEstado = new QLabel(this);
    lEstado->setObjectName(QStringLiteral("lEstado"));
    lEstado->setWordWrap(true);
    bGuardar = button(QStringLiteral("Guardar"), "bGuardar", this);
    bExportar = button(QStringLiteral("Exportar para la IMO (VMDB)..."), "bExportar", this);
    bImprimir = button(QStringLiteral("Imprimir informe..."), "bImprimir", this);
    bCerrar = button(QStringLiteral("Cerrar"), "bCerrar", this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bGuardar);
    buttons->addWidget(bExportar);
    buttons->addWidget(bImprimir);
    buttons->addStretch(1);
    buttons->addWidget(bCerrar);
    auto* all = new QVBoxLayout(this);
    all->addWidget(tabs, 1);
    all->addWidget(lEstado);
    all->addLayout(buttons);
    resize(1000, 700);

    connect(bGuardar, &QPushButton::clicked, this, [this] { bGuardarClick(); });
    connect(bExportar, &QPushButton::clicked, this, [this] { bExportarClick(); });
    connect(bImprimir, &QPushButton::clicked, this, [this] { bImprimirClick(); });
    connect(bCerrar, &QPushButton::clicked, this, &QDialog::reject);
    showDraft();
}

QWidget* TFObservacion::buildSession() {
    auto* page = new QWidget(this);
    eObservador = edit("eObservador", QString::fromUtf8("Nombre y apellidos"), page);
    eCodigo = edit("eCodigo", QStringLiteral("Código IMO"), page);
    eLugar = edit("eLugar", QStringLiteral("p. ej. Madrid"), page);
    ePais = edit("ePais", QString::fromUtf8("p. ej. España"), page);
    eLatitud = edit("eLatitud", QStringLiteral("p. ej. 40.4168"), page);
    eLongitud = edit("eLongitud", QStringLiteral("p. ej. -3.7038"), page);
    eAltitud = edit("eAltitud", QStringLiteral("p. ej. 657"), page);
    deNoche = new QDateEdit(page);
    deNoche->setObjectName(QStringLiteral("deNoche"));
    deManana = new QDateEdit(page);
    deManana->setObjectName(QStringLiteral("deManana"));
    for (QDateEdit* d : {deNoche, deManana}) {
        d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
        d->setCalendarPopup(true);
    }
    upHuso = new QDoubleSpinBox(page);
    upHuso->setObjectName(QStringLiteral("upHuso"));
    upHuso->setRange(-14.0, 14.0);
    upHuso->setSingleStep(0.25);
    upHuso->setDecimals(2);
    upHuso->setPrefix(QStringLiteral("UT "));
    upHuso->setSuffix(QStringLiteral(" h"));

    auto* who = new QGridLayout;
    const std::pair<QString, QWidget*> fields[] = {
        {QStringLiteral("Observador:"), eObservador},
        {QStringLiteral("Código IMO:"), eCodigo},
        {QStringLiteral("Lugar:"), eLugar},
        {QString::fromUtf8("País:"), ePais},
        {QStringLiteral("Latitud (grados, norte +):"), eLatitud},
        {QStringLiteral("Longitud (grados, este +):"), eLongitud},
        {QStringLiteral("Altitud (metros):"), eAltitud},
        {QStringLiteral("Hora local ="), upHuso},
        {QStringLiteral("Noche del (fecha local):"), deNoche},
        {QStringLiteral("al:"), deManana},
    };
    for (int i = 0; i < static_cast<int>(std::size(fields)); ++i) {
        who->addWidget(new QLabel(fields[i].first, page), i / 2, (i % 2) * 2);
        who->addWidget(fields[i].second, i / 2, (i % 2) * 2 + 1);
    }

    gLluvias = grid(page, "gLluvias");
    gLluvias->setSelectionBehavior(QAbstractItemView::SelectRows);
    gLluvias->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cbLluvia = new QComboBox(page);
    cbLluvia->setObjectName(QStringLiteral("cbLluvia"));
    cbLluvia->setEditable(true);
    cbLluvia->setMinimumWidth(260);
    for (int i = 0; i < context_.radiants.count(); ++i) {
        const Radiant& r = context_.radiants.at(i);
        const QString code = FromAnsi(r.Code).trimmed();
        cbLluvia->addItem(code + QStringLiteral("  ") + FromAnsi(r.Name).trimmed(), code);
    }
    cbLluvia->setCurrentIndex(-1);
    bAnadirLluvia = button(QString::fromUtf8("Añadir lluvia"), "bAnadirLluvia", page);
    bQuitarLluvia = button(QStringLiteral("Quitar lluvia"), "bQuitarLluvia", page);
    auto* showerButtons = new QHBoxLayout;
    showerButtons->addWidget(cbLluvia);
    showerButtons->addWidget(bAnadirLluvia);
    showerButtons->addWidget(bQuitarLluvia);
    showerButtons->addStretch(1);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(who);
    layout->addWidget(new QLabel(QString::fromUtf8("Lluvias observadas (radiante en la fecha "
                                                   "de la noche, J2000):"),
                                 page));
    layout->addWidget(gLluvias, 1);
    layout->addLayout(showerButtons);

    const std::pair<QLineEdit*, std::string ObservationDraft::*> texts[] = {
        {eObservador, &ObservationDraft::observerName}, {eCodigo, &ObservationDraft::observerCode},
        {eLugar, &ObservationDraft::siteName},          {ePais, &ObservationDraft::country},
        {eLatitud, &ObservationDraft::latitude},        {eLongitud, &ObservationDraft::longitude},
        {eAltitud, &ObservationDraft::elevation},
    };
    for (const auto& [field, member] : texts)
        connect(field, &QLineEdit::textEdited, this, [this, member = member](const QString& t) {
            draft_.*member = s(t);
            changed();
        });
    connect(deNoche, &QDateEdit::dateChanged, this, [this] { eveningChanged(); });
    connect(deManana, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (filling_)
            return;
        draft_.morning = civil(d);
        changed();
    });
    connect(upHuso, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        if (filling_)
            return;
        draft_.utcOffset = v;
        changed();
    });
    connect(bAnadirLluvia, &QPushButton::clicked, this, [this] { bAnadirLluviaClick(); });
    connect(bQuitarLluvia, &QPushButton::clicked, this, [this] { bQuitarLluviaClick(); });
    return page;
}

QWidget* TFObservacion::buildPeriods() {
    auto* page = new QWidget(this);
    bAnadirPeriodo = button(QString::fromUtf8("Añadir periodo"), "bAnadirPeriodo", page);
    bQuitarPeriodo = button(QStringLiteral("Quitar periodo"), "bQuitarPeriodo", page);
    bMagLimite =
        button(QString::fromUtf8("LM de la ventana de magnitud límite"), "bMagLimite", page);
    bCentro = button(QStringLiteral("Centro de la carta"), "bCentro", page);
    auto* actions = new QHBoxLayout;
    for (QPushButton* b : {bAnadirPeriodo, bQuitarPeriodo, bMagLimite, bCentro})
        actions->addWidget(b);
    actions->addStretch(1);
    gPeriodos = grid(page, "gPeriodos");
    lMagnitudes = new QLabel(page);
    lMagnitudes->setObjectName(QStringLiteral("lMagnitudes"));
    gMagnitudes = grid(page, "gMagnitudes");
    QStringList headers;
    for (int i = 0; i < kMagnitudeClasses; ++i)
        headers << magnitudeLabel(kBrightestMagnitude + i);
    headers << QStringLiteral("Total") << QStringLiteral("Altura") << QStringLiteral("ZHR");
    gMagnitudes->setColumnCount(static_cast<int>(headers.size()));
    gMagnitudes->setHorizontalHeaderLabels(headers);
    for (int c = 0; c < kMagnitudeClasses; ++c)
        gMagnitudes->setColumnWidth(c, 34);
    gMagnitudes->setColumnWidth(Rate, 200);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(actions);
    layout->addWidget(gPeriodos, 3);
    layout->addWidget(lMagnitudes);
    layout->addWidget(gMagnitudes, 2);

    connect(bAnadirPeriodo, &QPushButton::clicked, this, [this] { bAnadirPeriodoClick(); });
    connect(bQuitarPeriodo, &QPushButton::clicked, this, [this] { bQuitarPeriodoClick(); });
    connect(bMagLimite, &QPushButton::clicked, this, [this] { bMagLimiteClick(); });
    connect(bCentro, &QPushButton::clicked, this, [this] { bCentroClick(); });
    connect(gPeriodos, &QTableWidget::cellChanged, this,
            [this](int row, int column) { periodCellChanged(row, column); });
    connect(gPeriodos, &QTableWidget::currentCellChanged, this, [this](int row, int, int old) {
        if (row != old)
            showMagnitudes();
    });
    connect(gMagnitudes, &QTableWidget::cellChanged, this,
            [this](int row, int column) { magnitudeCellChanged(row, column); });
    return page;
}

QWidget* TFObservacion::buildResults() {
    auto* page = new QWidget(this);
    gResultados = grid(page, "gResultados");
    gResultados->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lIndice = new QLabel(page);
    lIndice->setObjectName(QStringLiteral("lIndice"));
    lIndice->setWordWrap(true);
    grafico = new ZhrChart(page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(gResultados, 2);
    layout->addWidget(lIndice);
    layout->addWidget(grafico, 3);
    return page;
}

void TFObservacion::showDraft() {
    filling_ = true;
    eObservador->setText(q(draft_.observerName));
    eCodigo->setText(q(draft_.observerCode));
    eLugar->setText(q(draft_.siteName));
    ePais->setText(q(draft_.country));
    eLatitud->setText(q(draft_.latitude));
    eLongitud->setText(q(draft_.longitude));
    eAltitud->setText(q(draft_.elevation));
    deNoche->setDate(qdate(draft_.evening));
    deManana->setDate(qdate(draft_.morning));
    upHuso->setValue(draft_.utcOffset);
    filling_ = false;
    showShowers();
    showPeriods();
    refresh();
}

void TFObservacion::refresh() {
    reading_ = ReadDraft(draft_);
    rates_.reset();
    if (reading_.faults.empty()) {
        rates_ = ComputeRates(reading_.observation);
        lEstado->setStyleSheet(QString());
        lEstado->setText(draft_.periods.empty()
                             ? QString::fromUtf8("Añada los periodos de la noche en la pestaña "
                                                 "Periodos.")
                             : QString());
    } else {
        lEstado->setStyleSheet(QStringLiteral("color: #b00000"));
        QString text = q(reading_.faults.front().message);
        const std::size_t more = reading_.faults.size() - 1;
        if (more > 0)
            text +=
                QString::fromUtf8(more == 1 ? " (y 1 error más)" : " (y %1 errores más)").arg(more);
        lEstado->setText(text);
    }
    showTotals();
    showResults();
    setWindowTitle(QString::fromUtf8("Velumbra - Observación de la noche del %1 al %2%3")
                       .arg(qdate(draft_.evening).toString(QStringLiteral("dd/MM/yyyy")),
                            qdate(draft_.morning).toString(QStringLiteral("dd/MM/yyyy")),
                            modified_ ? QStringLiteral(" *") : QString()));
}

void TFObservacion::changed() {
    modified_ = true;
    refresh();
}

void TFObservacion::eveningChanged() {
    if (filling_)
        return;
    // Before any count is typed, showers left as they were proposed follow the night.
    const bool proposed = draft_.periods.empty() &&
                          draft_.showers == ShowersActiveOn(context_.radiants, draft_.evening);
    draft_.evening = civil(deNoche->date());
    draft_.morning = NextDay(draft_.evening);
    filling_ = true;
    deManana->setDate(qdate(draft_.morning));
    filling_ = false;
    if (proposed) {
        draft_.showers = ShowersActiveOn(context_.radiants, draft_.evening);
        showShowers();
        showPeriods();
    }
    changed();
}

void TFObservacion::bAnadirPeriodoClick() {
    PeriodDraft p;
    Observation nightOnly; // the night window needs only the date and the offset
    nightOnly.evening = draft_.evening;
    nightOnly.utcOffset = draft_.utcOffset;
    const NightSpan night = NightWindow(nightOnly);
    std::optional<std::int64_t> start;
    if (!draft_.periods.empty()) {
        const PeriodDraft& last = draft_.periods.back();
        start = ReadPeriodTime(last.end, night);
        p.lm = last.lm;
        p.f = last.f;
        p.ra = last.ra;
        p.dec = last.dec;
        p.method = last.method;
    } else {
        // 22:00 local time on the evening.
        start = MidnightUt(draft_.evening) +
                static_cast<std::int64_t>(std::llround((22 - draft_.utcOffset) * 3600));
        const std::optional<double> lm = context_.lastLimitingMagnitude();
        p.lm = DecimalText(lm.value_or(LoadPlanSettings().limitingMagnitude), 1);
        p.f = "1";
        const Equatorial centre = context_.chartCentre();
        p.ra = DecimalText(centre.ra, 1);
        p.dec = DecimalText(centre.dec, 1);
        p.method = "C";
    }
    if (start) {
        p.start = PeriodTimeText(*start, night);
        p.end = PeriodTimeText(*start + 3600, night);
    }
    p.teff = "1";
    for (const ObservedShower& sh : draft_.showers)
        p.counts[sh.code] = "0";
    draft_.periods.push_back(p);
    showPeriods();
    gPeriodos->setCurrentCell(static_cast<int>(draft_.periods.size()) - 1, Start);
    changed();
}

void TFObservacion::bQuitarPeriodoClick() {
    const std::vector<int> rows = chosenPeriods();
    if (rows.empty())
        return;
    QStringList names;
    for (int r : rows)
        names << QString::number(r + 1);
    if (!context_.dialogs.question(QString::fromUtf8("¿Quitar %1 %2 con sus cuentas?")
                                       .arg(rows.size() == 1 ? QStringLiteral("el periodo")
                                                             : QStringLiteral("los periodos"),
                                            names.join(QStringLiteral(", ")))))
        return;
    for (auto r = rows.rbegin(); r != rows.rend(); ++r)
        draft_.periods.erase(draft_.periods.begin() + *r);
    showPeriods();
    changed();
}

void TFObservacion::bMagLimiteClick() {
    const std::optional<double> lm = context_.lastLimitingMagnitude();
    if (!lm) {
        context_.dialogs.information(QString::fromUtf8(
            "La ventana de magnitud límite aún no ha dado un resultado. Cuente las estrellas de "
            "un área en Edición > Magnitud límite... o escriba la LM en la tabla."));
        return;
    }
    const std::vector<int> rows = chosenPeriods();
    for (int r : rows)
        setPeriodText(r, Lm, DecimalText(*lm, 1));
    if (!rows.empty())
        changed();
}

void TFObservacion::bCentroClick() {
    const std::vector<int> rows = chosenPeriods();
    const Equatorial centre = context_.chartCentre();
    for (int r : rows) {
        setPeriodText(r, FieldRa, DecimalText(centre.ra, 1));
        setPeriodText(r, FieldDec, DecimalText(centre.dec, 1));
    }
    if (!rows.empty())
        changed();
}

void TFObservacion::bAnadirLluviaClick() {
    const QString typed = cbLluvia->currentText().trimmed();
    const int index = cbLluvia->findText(typed);
    const std::string code =
        s(index >= 0 ? cbLluvia->itemData(index).toString() : typed.section(' ', 0, 0).toUpper());
    if (code.empty()) {
        context_.dialogs.information(
            QString::fromUtf8("Elija una lluvia de la lista o escriba su código de tres letras."));
        return;
    }
    for (const ObservedShower& sh : draft_.showers)
        if (sh.code == code) {
            context_.dialogs.information(
                QString::fromUtf8("%1 ya está entre las lluvias observadas.").arg(q(code)));
            return;
        }
    // A code of no list keeps only its code: no radiant, no speed, no population index.
    const ObservedShower shower = ShowerOfLists(context_.radiants, code, draft_.evening)
                                      .value_or(ObservedShower{code, "", 0, 0, 0, 0});
    draft_.showers.insert(
        draft_.showers.end() -
            (draft_.showers.empty() || draft_.showers.back().code != kSporadicCode ? 0 : 1),
        shower);
    for (PeriodDraft& p : draft_.periods)
        p.counts[code] = "0";
    cbLluvia->setCurrentIndex(-1);
    showShowers();
    showPeriods();
    changed();
}

void TFObservacion::bQuitarLluviaClick() {
    const int row = gLluvias->currentRow();
    if (row < 0 || row >= static_cast<int>(draft_.showers.size())) {
        context_.dialogs.information(
            QString::fromUtf8("Elija primero la lluvia en la tabla de lluvias observadas."));
        return;
    }
    const std::string code = draft_.showers[static_cast<std::size_t>(row)].code;
    if (!context_.dialogs.question(
            QString::fromUtf8("¿Quitar %1 de la observación, con sus cuentas y magnitudes de "
                              "todos los periodos?")
                .arg(q(code))))
        return;
    draft_.showers.erase(draft_.showers.begin() + row);
    for (PeriodDraft& p : draft_.periods) {
        p.counts.erase(code);
        p.magnitudes.erase(code);
    }
    showShowers();
    showPeriods();
    changed();
}

void TFObservacion::focusFault(const ObservationFault& fault) {
    if (fault.row == 0) {
        tabs->setCurrentIndex(0);
        const std::pair<ObservationField, QWidget*> fields[] = {
            {ObservationField::Latitude, eLatitud},  {ObservationField::Longitude, eLongitud},
            {ObservationField::Elevation, eAltitud}, {ObservationField::Night, deManana},
            {ObservationField::UtcOffset, upHuso},   {ObservationField::Shower, gLluvias}};
        for (const auto& [field, widget] : fields)
            if (field == fault.field)
                widget->setFocus();
        return;
    }
    tabs->setCurrentIndex(1);
    const int row = fault.row - 1;
    int column = Start;
    const std::pair<ObservationField, int> columns[] = {{ObservationField::Start, Start},
                                                        {ObservationField::End, End},
                                                        {ObservationField::Teff, Teff},
                                                        {ObservationField::F, F},
                                                        {ObservationField::Lm, Lm},
                                                        {ObservationField::FieldRa, FieldRa},
                                                        {ObservationField::FieldDec, FieldDec}};
    for (const auto& [field, c] : columns)
        if (field == fault.field)
            column = c;
    int shower = 0;
    for (std::size_t i = 0; i < draft_.showers.size(); ++i)
        if (draft_.showers[i].code == fault.code)
            shower = static_cast<int>(i);
    if (fault.field == ObservationField::Count)
        column = FirstCount + shower;
    gPeriodos->setCurrentCell(row, column);
    if (fault.field == ObservationField::Magnitude) {
        gMagnitudes->setCurrentCell(shower, fault.magnitude - kBrightestMagnitude);
        gMagnitudes->setFocus();
    } else {
        gPeriodos->setFocus();
    }
}

std::optional<Observation> TFObservacion::checked() {
    reading_ = ReadDraft(draft_);
    if (reading_.faults.empty())
        return reading_.observation;
    QStringList lines;
    for (std::size_t i = 0; i < reading_.faults.size() && i < 8; ++i)
        lines << q(reading_.faults[i].message);
    if (reading_.faults.size() > 8)
        lines << QString::fromUtf8("... y %1 errores más.").arg(reading_.faults.size() - 8);
    context_.dialogs.error(QString::fromUtf8("La observación no se puede guardar así:\n\n") +
                           lines.join(QStringLiteral("\n")));
    focusFault(reading_.faults.front());
    return std::nullopt;
}

bool TFObservacion::bGuardarClick() {
    const std::optional<Observation> observation = checked();
    if (!observation)
        return false;
    try {
        ObservationStore store(ObservationStorePath(context_.dataDir));
        draft_.id = store.save(*observation);
        modified_ = false;
        refresh();
        lEstado->setText(QString::fromUtf8("Guardada en %1.").arg(q(store.path())));
        return true;
    } catch (const VelumbraError& e) {
        context_.dialogs.error(q(ErrorText(e)));
        return false;
    }
}

void TFObservacion::bExportarClick() {
    // Only a kept observation has ids that stay the same at every export.
    if ((modified_ || draft_.id == 0) && !bGuardarClick())
        return;
    const QString done = ExportObservation(context_, reading_.observation);
    if (!done.isEmpty())
        lEstado->setText(done);
}

void TFObservacion::bImprimirClick() {
    if (const std::optional<Observation> observation = checked())
        PrintObservation(context_, *observation);
}

void TFObservacion::reject() {
    if (modified_ &&
        !context_.dialogs.confirm(QString::fromUtf8(
            "La observación tiene cambios sin guardar. ¿Cerrar la ventana y perderlos?")))
        return;
    QDialog::reject();
}
