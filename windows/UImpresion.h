#pragma once
// The print choice dialog: the chart page or the sheet of radiants active on the chart date,
// and, when opened for the preview, the radiant listings too. "Aceptar" prints the choice,
// "Vista previa" shows it first.
#include "output/PrintCommand.h"

#include <QDialog>

class QPushButton;
class QRadioButton;

class TFImpresion : public QDialog {
  public:
    // The result of "Vista previa", beside Accepted and Rejected.
    static constexpr int Preview = 2;

    explicit TFImpresion(QWidget* parent = nullptr);
    QRadioButton* rbCarta;
    QRadioButton* rbDatos;
    QRadioButton* rbListado;
    QRadioButton* rbListadoTer;
    QPushButton* bVistaPrevia;
    // The sheet can be chosen only while radiants are shown; called as the dialog opens.
    void offerSheet(bool available);
    // The listings are offered, and the preview is the default button, when the dialog opens
    // for the preview; otherwise the dialog is the print button's.
    void offerListings(bool offered);
    bool sheetChosen() const;
    PrintChoice choice() const;

  private:
    QPushButton* cancel_;
    QPushButton* ok_;
};
