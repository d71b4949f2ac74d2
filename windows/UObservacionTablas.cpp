// The window's tables: the showers watched, the periods with their counts, the magnitudes of
// the chosen period with its results, and the results of the night with the plot.
#include "windows/UObservacion.h"

#include "observation/DecimalText.h"
#include "platform/Dialogs.h"
#include "platform/ZhrChart.h"

#include <QLabel>
#include <QTableWidget>

#include <set>

namespace {

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string s(const QString& text) {
    return text.toStdString();
}

QString rateText(const ShowerRate& r) {
    switch (r.kind) {
    case RateKind::Zhr:
        return q(DecimalText(r.zhr, 1) + " ± " + DecimalText(r.zhrError, 1));
    case RateKind::Sporadic:
        return q("THR " + DecimalText(r.hourlyRate, 1) + " (" + r.reason + ")");
    default:
        return q(r.reason);
    }
}

QString altitudeText(const ShowerRate& r) {
    return r.altitude ? q(DecimalText(*r.altitude, 1) + "°") : QStringLiteral("-");
}

// The members of a period's row, in the order of the grid's first columns.
std::string PeriodDraft::*const kPeriodFields[] = {
    &PeriodDraft::start, &PeriodDraft::end, &PeriodDraft::teff, &PeriodDraft::f,
    &PeriodDraft::lm,    &PeriodDraft::ra,  &PeriodDraft::dec,  &PeriodDraft::method};

struct TypedTotal {
    bool any = false;          // some class is typed
    std::optional<double> sum; // none while a class does not read
};

TypedTotal TotalOf(const MagnitudeTexts& texts) {
    TypedTotal total{false, 0.0};
    for (const std::string& t : texts) {
        if (t.find_first_not_of(' ') == std::string::npos)
            continue;
        total.any = true;
        const std::optional<double> n = ReadMagnitudeCount(t);
        total.sum = n && total.sum ? std::optional<double>(*total.sum + *n) : std::nullopt;
    }
    return total;
}

QTableWidgetItem* readOnly(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

void TFObservacion::showShowers() {
    gLluvias->clear();
    gLluvias->setColumnCount(6);
    gLluvias->setHorizontalHeaderLabels({QString::fromUtf8("Código"), QStringLiteral("Nombre"),
                                         QStringLiteral("AR"), QStringLiteral("Dec"),
                                         QStringLiteral("V (km/s)"), QStringLiteral("r")});
    gLluvias->setRowCount(static_cast<int>(draft_.showers.size()));
    for (std::size_t i = 0; i < draft_.showers.size(); ++i) {
        const ObservedShower& sh = draft_.showers[i];
        const bool sporadic = sh.code == kSporadicCode;
        const QString cells[] = {q(sh.code),
                                 q(sh.name),
                                 sporadic ? QString() : q(DecimalText(sh.ra, 1)),
                                 sporadic ? QString() : q(DecimalText(sh.dec, 1)),
                                 sh.velocity > 0 ? q(DecimalText(sh.velocity, 1)) : QString(),
                                 sh.populationIndex > 0 ? q(DecimalText(sh.populationIndex, 2))
                                                        : QString()};
        for (int c = 0; c < 6; ++c)
            gLluvias->setItem(static_cast<int>(i), c, readOnly(cells[c]));
    }
    gLluvias->resizeColumnsToContents();
}

void TFObservacion::showPeriods() {
    filling_ = true;
    QStringList headers{QStringLiteral("Inicio UT"), QStringLiteral("Fin UT"),
                        QStringLiteral("Teff (h)"),  QStringLiteral("F o % nubes"),
                        QStringLiteral("LM"),        QStringLiteral("AR campo"),
                        QStringLiteral("Dec campo"), QString::fromUtf8("Método")};
    for (const ObservedShower& sh : draft_.showers)
        headers << q(sh.code);
    gPeriodos->clear();
    gPeriodos->setColumnCount(static_cast<int>(headers.size()));
    gPeriodos->setHorizontalHeaderLabels(headers);
    for (std::size_t i = 0; i < draft_.showers.size(); ++i)
        gPeriodos->horizontalHeaderItem(FirstCount + static_cast<int>(i))
            ->setToolTip(q(draft_.showers[i].name) +
                         QString::fromUtf8(": meteoros vistos (0 si ninguno; vacía si no se "
                                           "observó en el periodo)"));
    gPeriodos->setRowCount(static_cast<int>(draft_.periods.size()));
    for (std::size_t r = 0; r < draft_.periods.size(); ++r) {
        const PeriodDraft& p = draft_.periods[r];
        const int row = static_cast<int>(r);
        for (int c = 0; c < FirstCount; ++c)
            gPeriodos->setItem(row, c, new QTableWidgetItem(q(p.*kPeriodFields[c])));
        for (std::size_t i = 0; i < draft_.showers.size(); ++i) {
            const auto count = p.counts.find(draft_.showers[i].code);
            gPeriodos->setItem(
                row, FirstCount + static_cast<int>(i),
                new QTableWidgetItem(count == p.counts.end() ? QString() : q(count->second)));
        }
    }
    const int widths[] = {68, 68, 58, 78, 44, 64, 64, 56};
    for (int c = 0; c < gPeriodos->columnCount(); ++c)
        gPeriodos->setColumnWidth(c, c < FirstCount ? widths[c] : 42);
    filling_ = false;
    showMagnitudes();
}

int TFObservacion::currentPeriod() const {
    const int row = gPeriodos->currentRow();
    if (row >= 0 && row < static_cast<int>(draft_.periods.size()))
        return row;
    return draft_.periods.empty() ? -1 : 0;
}

void TFObservacion::showMagnitudes() {
    const int period = currentPeriod();
    filling_ = true;
    gMagnitudes->setRowCount(period < 0 ? 0 : static_cast<int>(draft_.showers.size()));
    QStringList codes;
    for (const ObservedShower& sh : draft_.showers)
        codes << q(sh.code);
    gMagnitudes->setVerticalHeaderLabels(codes);
    if (period >= 0) {
        const PeriodDraft& p = draft_.periods[static_cast<std::size_t>(period)];
        for (int r = 0; r < gMagnitudes->rowCount(); ++r) {
            const auto texts = p.magnitudes.find(draft_.showers[static_cast<std::size_t>(r)].code);
            for (int c = 0; c < kMagnitudeClasses; ++c)
                gMagnitudes->setItem(
                    r, c,
                    new QTableWidgetItem(texts == p.magnitudes.end()
                                             ? QString()
                                             : q(texts->second[static_cast<std::size_t>(c)])));
            for (int c = Total; c <= Rate; ++c)
                gMagnitudes->setItem(r, c, readOnly(QString()));
        }
        lMagnitudes->setText(
            QString::fromUtf8("Magnitudes del periodo %1 (meteoros de cada magnitud; 0.5 a cada "
                              "una de dos si dudó entre ellas) y sus resultados:")
                .arg(period + 1));
    } else {
        lMagnitudes->setText(QString::fromUtf8("Añada un periodo para escribir sus cuentas."));
    }
    filling_ = false;
    showTotals();
    showResults();
}

void TFObservacion::showTotals() {
    const int period = currentPeriod();
    if (period < 0)
        return;
    const PeriodDraft& p = draft_.periods[static_cast<std::size_t>(period)];
    filling_ = true;
    for (int r = 0; r < gMagnitudes->rowCount(); ++r) {
        const std::string& code = draft_.showers[static_cast<std::size_t>(r)].code;
        QTableWidgetItem* cell = gMagnitudes->item(r, Total);
        cell->setBackground(QBrush());
        cell->setToolTip(QString());
        const auto texts = p.magnitudes.find(code);
        const TypedTotal total =
            texts == p.magnitudes.end() ? TypedTotal{} : TotalOf(texts->second);
        if (!total.any || !total.sum) {
            cell->setText(total.any ? QStringLiteral("?") : QString());
            continue;
        }
        const auto count = p.counts.find(code);
        const int counted = count == p.counts.end() ? -1 : ReadCount(count->second).value_or(-1);
        const QString sum = q(DecimalText(*total.sum, 1));
        if (counted == *total.sum) {
            cell->setText(sum);
            continue;
        }
        cell->setText(sum + QString::fromUtf8(" ≠ ") +
                      (counted >= 0 ? QString::number(counted) : QStringLiteral("?")));
        cell->setBackground(QColor(255, 220, 200));
        cell->setToolTip(QString::fromUtf8("El total de la distribución (%1) no coincide con "
                                           "la cuenta del periodo. Puede guardarse así.")
                             .arg(sum));
    }
    filling_ = false;
}

void TFObservacion::showResults() {
    const std::size_t showers = draft_.showers.size();
    gResultados->clear();
    gResultados->setRowCount(static_cast<int>(draft_.periods.size()));
    gResultados->setColumnCount(static_cast<int>(2 * showers));
    QStringList headers, rows;
    for (const ObservedShower& sh : draft_.showers)
        headers << q(sh.code) + QStringLiteral(" altura") << q(sh.code) + QStringLiteral(" ZHR");
    gResultados->setHorizontalHeaderLabels(headers);
    for (std::size_t r = 0; r < draft_.periods.size(); ++r)
        rows << q(std::to_string(r + 1) + ": " + draft_.periods[r].start + "-" +
                  draft_.periods[r].end);
    gResultados->setVerticalHeaderLabels(rows);
    lIndice->clear();
    const int period = currentPeriod();
    if (!rates_)
        return;
    filling_ = true;
    for (std::size_t r = 0; r < rates_->periods.size(); ++r)
        for (const ShowerRate& rate : rates_->periods[r].showers)
            for (std::size_t i = 0; i < showers; ++i) {
                if (draft_.showers[i].code != rate.code)
                    continue;
                const int row = static_cast<int>(r), column = static_cast<int>(2 * i);
                gResultados->setItem(row, column, readOnly(altitudeText(rate)));
                gResultados->setItem(row, column + 1, readOnly(rateText(rate)));
                if (row == period && static_cast<int>(i) < gMagnitudes->rowCount()) {
                    gMagnitudes->item(static_cast<int>(i), Altitude)->setText(altitudeText(rate));
                    gMagnitudes->item(static_cast<int>(i), Rate)->setText(rateText(rate));
                }
            }
    filling_ = false;
    gResultados->resizeColumnsToContents();
    QStringList indices;
    for (const PopulationEstimate& e : rates_->populationIndex)
        indices << (e.r ? QString::fromUtf8("r de %1: %2 (%3 meteoros)")
                              .arg(q(e.code), q(DecimalText(*e.r, 2)), q(DecimalText(e.meteors, 1)))
                        : QString::fromUtf8("r de %1: sin estimar (%2 meteoros; hacen falta %3)")
                              .arg(q(e.code), q(DecimalText(e.meteors, 1)))
                              .arg(kMeteorsForPopulationIndex));
    lIndice->setText(indices.isEmpty()
                         ? QString::fromUtf8("Índice de población: ninguna lluvia tiene "
                                             "distribución de magnitudes.")
                         : QString::fromUtf8("Índice de población de la noche: ") +
                               indices.join(QStringLiteral("; ")));
    grafico->showRates(reading_.observation, *rates_);
}

void TFObservacion::periodCellChanged(int row, int column) {
    if (filling_ || row < 0 || row >= static_cast<int>(draft_.periods.size()))
        return;
    PeriodDraft& p = draft_.periods[static_cast<std::size_t>(row)];
    const std::string text = s(gPeriodos->item(row, column)->text());
    if (column < FirstCount)
        p.*kPeriodFields[column] = text;
    else
        p.counts[draft_.showers.at(static_cast<std::size_t>(column - FirstCount)).code] = text;
    changed();
}

void TFObservacion::magnitudeCellChanged(int row, int column) {
    const int period = currentPeriod();
    if (filling_ || period < 0 || column >= kMagnitudeClasses)
        return;
    PeriodDraft& p = draft_.periods[static_cast<std::size_t>(period)];
    p.magnitudes[draft_.showers.at(static_cast<std::size_t>(row)).code]
                [static_cast<std::size_t>(column)] = s(gMagnitudes->item(row, column)->text());
    changed();
}

void TFObservacion::setPeriodText(int row, int column, const std::string& text) {
    draft_.periods[static_cast<std::size_t>(row)].*kPeriodFields[column] = text;
    filling_ = true;
    gPeriodos->item(row, column)->setText(q(text));
    filling_ = false;
}

std::vector<int> TFObservacion::chosenPeriods() {
    std::set<int> chosen;
    for (const QModelIndex& index : gPeriodos->selectionModel()->selectedIndexes())
        chosen.insert(index.row());
    if (chosen.empty() && gPeriodos->currentRow() >= 0)
        chosen.insert(gPeriodos->currentRow());
    const std::vector<int> rows(chosen.begin(), chosen.end());
    if (rows.empty())
        context_.dialogs.information(QString::fromUtf8(
            "Elija primero el periodo (o los periodos) en la tabla de periodos."));
    return rows;
}
