#include "windows/UMagLimite.h"

#include "model/ChartModel.h"
#include "platform/Dialogs.h"
#include "sky/LabelMarks.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString magnitude(int tenths) {
    return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10);
}
} // namespace

TFMagLimite::TFMagLimite(ChartModel& model, ChartChange change, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), model_(model), change_(std::move(change)), dialogs_(dialogs) {
    setObjectName(QStringLiteral("FMagLimite"));
    setWindowTitle(QString::fromUtf8("Velumbra - Magnitud límite"));
    upArea = new QSpinBox(this);
    upArea->setObjectName(QStringLiteral("upArea"));
    upArea->setRange(1, kLimitAreas);
    upEstrellas = new QSpinBox(this);
    upEstrellas->setObjectName(QStringLiteral("upEstrellas"));
    upEstrellas->setRange(0, 999);
    lResultado = new QLabel(this);
    lResultado->setObjectName(QStringLiteral("lResultado"));
    lResultado->setWordWrap(true);
    lResultado->setMinimumHeight(48);
    lMarcas = new QLabel(this);
    lMarcas->setObjectName(QStringLiteral("lMarcas"));
    lMarcas->setWordWrap(true);
    bMarcar = new QPushButton(QString::fromUtf8("Marcar magnitudes del área"), this);
    bMarcar->setObjectName(QStringLiteral("bMarcar"));
    bBorrar = new QPushButton(QString::fromUtf8("Borrar marcas del área"), this);
    bBorrar->setObjectName(QStringLiteral("bBorrar"));
    auto* close = new QPushButton(QStringLiteral("Cerrar"), this);
    close->setObjectName(QStringLiteral("bCerrar"));

    auto* fields = new QFormLayout;
    fields->addRow(QString::fromUtf8("Área:"), upArea);
    fields->addRow(QStringLiteral("Estrellas vistas en el área (con sus esquinas):"), upEstrellas);
    auto* marks = new QHBoxLayout;
    marks->addWidget(bMarcar);
    marks->addWidget(bBorrar);
    auto* all = new QVBoxLayout(this);
    all->addLayout(fields);
    all->addWidget(lResultado);
    all->addLayout(marks);
    all->addWidget(lMarcas);
    all->addWidget(close, 0, Qt::AlignRight);
    setFixedWidth(380);

    connect(upArea, &QSpinBox::valueChanged, this, [this] { upAreaChange(); });
    connect(upEstrellas, &QSpinBox::valueChanged, this, [this] { upEstrellasChange(); });
    connect(bMarcar, &QPushButton::clicked, this, [this] { bMarcarClick(); });
    connect(bBorrar, &QPushButton::clicked, this, [this] { bBorrarClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    upEstrellasChange();
}

void TFMagLimite::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const QWidget* main = parentWidget();
    const QScreen* screen = this->screen();
    if (!main || !screen)
        return;
    const QRect free = screen->availableGeometry();
    const QRect window = main->frameGeometry();
    const QSize size = frameGeometry().size();
    const QRect right(window.topRight() + QPoint(8, 0), size);
    const QRect left(window.topLeft() - QPoint(size.width() + 8, 0), size);
    if (free.contains(right))
        move(right.topLeft());
    else if (free.contains(left))
        move(left.topLeft());
    else // over the tool panel's side rather than the chart's middle
        move(std::max(free.left(), window.left() - size.width() + 80),
             window.bottom() - size.height());
}

void TFMagLimite::upAreaChange() {
    const int area = upArea->value();
    change_([this, area] { model_.centreOnArea(area); });
    lMarcas->clear();
    upEstrellasChange();
}

void TFMagLimite::upEstrellasChange() {
    const int area = upArea->value();
    const int count = upEstrellas->value();
    const std::vector<LimitRow>& rows = model_.sky().limits.area(area);
    if (rows.empty()) {
        lResultado->setText(QString::fromUtf8(
            "No hay tabla de recuentos: el archivo fmaglim no se cargó. Reinstale los datos y "
            "vuelva a abrir Velumbra."));
        return;
    }
    const LimitReading r = ReadLimit(model_.sky().limits, area, count);
    switch (r.where) {
    case LimitReading::Where::Table:
        model_.setLimitingMagnitude(r.tenths / 10.0);
        lResultado->setText(
            QString::fromUtf8("Magnitud límite: <b>%1</b>").arg(magnitude(r.tenths)));
        break;
    case LimitReading::Where::Below:
        lResultado->setText(
            QString::fromUtf8("Menos estrellas que la tabla del área %1, que empieza en %2 "
                              "(magnitud %3): la magnitud límite es inferior a %3.")
                .arg(area)
                .arg(rows.front().count)
                .arg(magnitude(r.tenths)));
        break;
    case LimitReading::Where::Above:
        lResultado->setText(
            QString::fromUtf8("Más estrellas que la tabla del área %1, que acaba en %2 "
                              "(magnitud %3): la magnitud límite es superior a %3.")
                .arg(area)
                .arg(rows.back().count)
                .arg(magnitude(r.tenths)));
        break;
    }
}

void TFMagLimite::bMarcarClick() {
    writeMarks(true);
}

void TFMagLimite::bBorrarClick() {
    writeMarks(false);
}

void TFMagLimite::writeMarks(bool on) {
    const int area = upArea->value();
    change_([&] {
        try {
            const AreaMarks marks = model_.markArea(area, on);
            if (marks.stars == 0) {
                dialogs_.error(QString::fromUtf8("El área %1 no tiene contorno en ftriangulo o "
                                                 "falta una de sus esquinas en festrella: no hay "
                                                 "estrellas que marcar. Reinstale los datos.")
                                   .arg(area));
                return;
            }
            lMarcas->setText((on ? QString::fromUtf8("Área %1: %2 estrellas, %3 marcas escritas.")
                                 : QString::fromUtf8("Área %1: %2 estrellas, %3 marcas borradas."))
                                 .arg(area)
                                 .arg(marks.stars)
                                 .arg(marks.written));
        } catch (const MarkRunStopped& e) {
            lMarcas->clear();
            throw VelumbraError(std::string(e.what()) + "\nSe escribieron " +
                                    std::to_string(e.written()) + " marcas antes del error.",
                                e.file(),
                                e.advice().empty()
                                    ? "Compruebe que el archivo existe y se puede escribir."
                                    : e.advice());
        }
    });
}
