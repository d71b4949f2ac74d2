#include "windows/UPlanNoche.h"

#include "geometry/Numbers.h"
#include "output/PlanPage.h"
#include "platform/Dialogs.h"
#include "platform/Logo.h"
#include "platform/PdfFile.h"
#include "platform/PlanPlot.h"
#include "platform/PlanSettings.h"
#include "platform/QtCanvas.h"
#include "platform/QtPrinter.h"
#include "sky/Errors.h"

#include <QComboBox>
#include <QDate>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString number(const std::string& pattern, double value) {
    return QString::fromStdString(FormatFloat(pattern, value));
}

} // namespace

TFPlanNoche::TFPlanNoche(const RadiantTable& radiants, int day, int month, Dialogs& dialogs,
                         QWidget* parent)
    : QDialog(parent), radiants_(radiants), dialogs_(dialogs), day_(day), month_(month) {
    setObjectName(QStringLiteral("FPlanNoche"));
    setWindowTitle(QStringLiteral("Velumbra - Planificar la noche"));

    const PlanSettings saved = LoadPlanSettings();
    eLatitud = new QLineEdit(saved.latitude, this);
    eLatitud->setObjectName(QStringLiteral("eLatitud"));
    eLatitud->setPlaceholderText(QStringLiteral("p. ej. 40.4"));
    eLongitud = new QLineEdit(saved.longitude, this);
    eLongitud->setObjectName(QStringLiteral("eLongitud"));
    eLongitud->setPlaceholderText(QStringLiteral("p. ej. -3.7"));
    upAno = new QSpinBox(this);
    upAno->setObjectName(QStringLiteral("upAno"));
    upAno->setRange(1900, 2100);
    upAno->setValue(QDate::currentDate().year());
    upHuso = new QDoubleSpinBox(this);
    upHuso->setObjectName(QStringLiteral("upHuso"));
    upHuso->setRange(kLowestUtcOffset, kHighestUtcOffset);
    upHuso->setSingleStep(0.25);
    upHuso->setDecimals(2);
    upHuso->setValue(saved.utcOffset);
    upMagLim = new QDoubleSpinBox(this);
    upMagLim->setObjectName(QStringLiteral("upMagLim"));
    upMagLim->setRange(kBrightestSky, kFaintestSky);
    upMagLim->setSingleStep(0.1);
    upMagLim->setDecimals(1);
    upMagLim->setValue(saved.limitingMagnitude);

    auto* fields = new QFormLayout;
    fields->addRow(QString::fromUtf8("Latitud (grados, norte +):"), eLatitud);
    fields->addRow(QString::fromUtf8("Longitud (grados, este +, oeste -):"), eLongitud);
    fields->addRow(QString::fromUtf8("Año de la noche:"), upAno);
    fields->addRow(QStringLiteral("Huso horario (horas respecto a UTC):"), upHuso);
    fields->addRow(QString::fromUtf8("Magnitud límite del cielo:"), upMagLim);

    lNoche = new QLabel(this);
    lNoche->setObjectName(QStringLiteral("lNoche"));
    lNoche->setWordWrap(true);
    gTabla = new QTableWidget(this);
    gTabla->setObjectName(QStringLiteral("gTabla"));
    gTabla->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grafico = new PlanPlot(this);
    cbGrafico = new QComboBox(this);
    cbGrafico->setObjectName(QStringLiteral("cbGrafico"));
    cbGrafico->addItems(
        {QStringLiteral("Altura del radiante"), QStringLiteral("Tasa horaria esperada (THE)")});
    auto* plotPage = new QWidget(this);
    auto* plotLayout = new QVBoxLayout(plotPage);
    plotLayout->addWidget(cbGrafico, 0, Qt::AlignLeft);
    plotLayout->addWidget(grafico, 1);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->addTab(gTabla, QStringLiteral("Tabla"));
    tabs->addTab(plotPage, QString::fromUtf8("Gráfico"));

    bCalcular = new QPushButton(QStringLiteral("Calcular"), this);
    bCalcular->setObjectName(QStringLiteral("bCalcular"));
    bCalcular->setDefault(true);
    bImprimir = new QPushButton(QStringLiteral("Imprimir en PDF..."), this);
    bImprimir->setObjectName(QStringLiteral("bImprimir"));
    bVistaPrevia = new QPushButton(QStringLiteral("Vista previa..."), this);
    bVistaPrevia->setObjectName(QStringLiteral("bVistaPrevia"));
    auto* close = new QPushButton(QStringLiteral("Cerrar"), this);
    close->setObjectName(QStringLiteral("bCerrar"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bCalcular);
    buttons->addWidget(bImprimir);
    buttons->addWidget(bVistaPrevia);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* all = new QVBoxLayout(this);
    all->addLayout(fields);
    all->addWidget(lNoche);
    all->addWidget(tabs, 1);
    all->addLayout(buttons);
    resize(820, 640);

    connect(bCalcular, &QPushButton::clicked, this, [this] { bCalcularClick(); });
    connect(bImprimir, &QPushButton::clicked, this, [this] { bImprimirClick(); });
    connect(bVistaPrevia, &QPushButton::clicked, this, [this] { bVistaPreviaClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(cbGrafico, &QComboBox::activated, this, [this] { cbGraficoChange(); });
    PlanRequest shown;
    shown.year = upAno->value();
    shown.month = month_;
    shown.day = day_;
    lNoche->setText(QString::fromStdString(NightTitle(shown)));
}

bool TFPlanNoche::readRequest(PlanRequest& q) {
    if (!ReadDegrees(eLatitud->text(), 90.0, q.site.latitude)) {
        dialogs_.error(QString::fromUtf8("Latitud no válida: «%1». Escriba los grados con punto "
                                         "decimal, entre -90 y 90, positivos al norte; por "
                                         "ejemplo 40.4.")
                           .arg(eLatitud->text()));
        eLatitud->setFocus();
        return false;
    }
    if (!ReadDegrees(eLongitud->text(), 180.0, q.site.longitude)) {
        dialogs_.error(QString::fromUtf8("Longitud no válida: «%1». Escriba los grados con punto "
                                         "decimal, entre -180 y 180, positivos al este y "
                                         "negativos al oeste; por ejemplo -3.7.")
                           .arg(eLongitud->text()));
        eLongitud->setFocus();
        return false;
    }
    q.year = upAno->value();
    q.month = month_;
    q.day = day_;
    q.utcOffset = upHuso->value();
    q.limitingMagnitude = upMagLim->value();
    return true;
}

bool TFPlanNoche::bCalcularClick() {
    PlanRequest q;
    if (!readRequest(q))
        return false;
    QString settings;
    if (!StorePlanSettings({eLatitud->text(), eLongitud->text(), q.utcOffset, q.limitingMagnitude},
                           &settings) &&
        !settingsLost_) {
        settingsLost_ = true;
        dialogs_.error(QString::fromUtf8("No se pudo guardar el lugar, el huso y la magnitud "
                                         "límite para la próxima vez.\n%1\nCompruebe que puede "
                                         "escribir en esa carpeta; el plan se calcula igual.")
                           .arg(settings));
    }
    request_ = q;
    plan_ = MakeNightPlan(radiants_, q);
    computed_ = true;
    lNoche->setText(QString::fromStdString(NightTitle(q)) + QStringLiteral(". ") +
                    FromAnsi(NightSummary(plan_)) +
                    QStringLiteral(" %1 radiantes activos.").arg(plan_.showers.size()));
    fillTable();
    cbGraficoChange();
    return true;
}

void TFPlanNoche::fillTable() {
    QStringList headers{QStringLiteral("Hora"), QStringLiteral("Luna h"), QStringLiteral("Luna %")};
    for (const ShowerPlan& s : plan_.showers) {
        headers << FromAnsi(s.code) + QStringLiteral(" h")
                << FromAnsi(s.code) + QStringLiteral(" THE");
    }
    gTabla->clear();
    gTabla->setColumnCount(static_cast<int>(headers.size()));
    gTabla->setRowCount(static_cast<int>(plan_.times.size()));
    gTabla->setHorizontalHeaderLabels(headers);
    for (int c = 3; c < gTabla->columnCount(); ++c)
        gTabla->horizontalHeaderItem(c)->setToolTip(
            FromAnsi(plan_.showers[static_cast<std::size_t>((c - 3) / 2)].name));
    auto put = [this](int row, int column, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        gTabla->setItem(row, column, item);
    };
    for (std::size_t t = 0; t < plan_.times.size(); ++t) {
        const int row = static_cast<int>(t);
        put(row, 0, QString::fromStdString(LocalTime(plan_.localHours[t])));
        put(row, 1, number("+0;-0", plan_.moonAltitude[t]));
        put(row, 2, number("0", 100 * plan_.moonIllumination[t]));
        int column = 3;
        for (const ShowerPlan& s : plan_.showers) {
            put(row, column++, number("+0;-0", s.altitude[t]));
            put(row, column++, s.rateKnown ? number("0", s.rate[t]) : QStringLiteral("-"));
        }
    }
    gTabla->resizeColumnsToContents();
}

void TFPlanNoche::cbGraficoChange() {
    if (computed_)
        grafico->showPlan(plan_, cbGrafico->currentIndex() == 1);
}

void TFPlanNoche::bImprimirClick() {
    if (!bCalcularClick())
        return;
    const QString file =
        dialogs_.saveFileName(QStringLiteral("Guardar el plan de la noche en PDF"),
                              QStringLiteral("Documentos PDF (*.pdf)"), QStringLiteral("pdf"));
    if (file.isEmpty())
        return;
    Guarded(dialogs_, [&] {
        WritePdfFile(file, [this](Printer& printer) {
            PrintNightPlan(printer, plan_, request_,
                           {LoadLogo(DataDir), cbGrafico->currentIndex() == 1});
            return true;
        });
    });
}

void TFPlanNoche::bVistaPreviaClick() {
    if (!bCalcularClick())
        return;
    // The PDF printer the plan is written with, its pages as they come out.
    QtPrinter pdf{QString()};
    bool print = false;
    Guarded(dialogs_, [&] {
        print = dialogs_.printPreview(pdf, [this](Printer& printer) {
            PrintNightPlan(printer, plan_, request_,
                           {LoadLogo(DataDir), cbGrafico->currentIndex() == 1});
        });
    });
    if (print)
        bImprimirClick();
}
