#include "windows/UImpresion.h"

#include <QPushButton>
#include <QRadioButton>

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
    offerSheet(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancelar"), this);
    cancel->setObjectName(QStringLiteral("Button1"));
    cancel->setGeometry(116, 64, 75, 25);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* ok = new QPushButton(QStringLiteral("Aceptar"), this);
    ok->setObjectName(QStringLiteral("Button2"));
    ok->setGeometry(204, 64, 75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TFImpresion::offerSheet(bool available) {
    rbDatos->setEnabled(available);
    // A choice that cannot be made is not left standing.
    if (!available)
        rbCarta->setChecked(true);
}

bool TFImpresion::sheetChosen() const {
    return rbDatos->isChecked();
}
