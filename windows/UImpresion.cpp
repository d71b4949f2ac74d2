#include "windows/UImpresion.h"

#include <QPushButton>
#include <QRadioButton>

namespace {
// How far the listings push the buttons down.
constexpr int kListingsHeight = 40;
} // namespace

TFImpresion::TFImpresion(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FImpresion"));
    setWindowTitle(QString::fromUtf8("Velumbra - Impresión de cartas"));
    setFixedSize(298, 101);
    rbCarta = new QRadioButton(QStringLiteral("Carta"), this);
    rbCarta->setObjectName(QStringLiteral("rbCarta"));
    rbCarta->setGeometry(28, 12, 113, 17);
    rbCarta->setChecked(true);
    rbDatos =
        new QRadioButton(QStringLiteral("Datos de radiantes activos a la fecha de la carta"), this);
    rbDatos->setObjectName(QStringLiteral("rbDatos"));
    rbDatos->setGeometry(28, 32, 257, 17);
    rbListado = new QRadioButton(QStringLiteral("Listado de radiantes"), this);
    rbListado->setObjectName(QStringLiteral("rbListado"));
    rbListado->setGeometry(28, 52, 257, 17);
    rbListadoTer = new QRadioButton(QStringLiteral("Listado de radiantes de Terentjeva"), this);
    rbListadoTer->setObjectName(QStringLiteral("rbListadoTer"));
    rbListadoTer->setGeometry(28, 72, 257, 17);
    offerSheet(false);
    bVistaPrevia = new QPushButton(QStringLiteral("Vista previa"), this);
    bVistaPrevia->setObjectName(QStringLiteral("bVistaPrevia"));
    bVistaPrevia->setGeometry(28, 64, 80, 25);
    connect(bVistaPrevia, &QPushButton::clicked, this, [this] { done(Preview); });
    cancel_ = new QPushButton(QStringLiteral("Cancelar"), this);
    cancel_->setObjectName(QStringLiteral("Button1"));
    cancel_->setGeometry(116, 64, 75, 25);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    ok_ = new QPushButton(QStringLiteral("Aceptar"), this);
    ok_->setObjectName(QStringLiteral("Button2"));
    ok_->setGeometry(204, 64, 75, 25);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    offerListings(false);
}

void TFImpresion::offerSheet(bool available) {
    rbDatos->setEnabled(available);
    // A choice that cannot be made is not left standing.
    if (!available && rbDatos->isChecked())
        rbCarta->setChecked(true);
}

void TFImpresion::offerListings(bool offered) {
    rbListado->setVisible(offered);
    rbListadoTer->setVisible(offered);
    if (!offered && (rbListado->isChecked() || rbListadoTer->isChecked()))
        rbCarta->setChecked(true);
    const int y = 64 + (offered ? kListingsHeight : 0);
    for (QPushButton* b : {bVistaPrevia, cancel_, ok_})
        b->move(b->x(), y);
    setFixedSize(298, 101 + (offered ? kListingsHeight : 0));
    bVistaPrevia->setDefault(offered);
    ok_->setDefault(!offered);
}

bool TFImpresion::sheetChosen() const {
    return rbDatos->isChecked();
}

PrintChoice TFImpresion::choice() const {
    if (rbDatos->isChecked())
        return PrintChoice::ActiveRadiants;
    if (rbListado->isChecked())
        return PrintChoice::ImoListing;
    if (rbListadoTer->isChecked())
        return PrintChoice::TerentjevaListing;
    return PrintChoice::Chart;
}
