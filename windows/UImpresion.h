#pragma once
// The print choice dialog: the chart page or the sheet of radiants active on the chart date.
#include <QDialog>

class QRadioButton;

class TFImpresion : public QDialog {
  public:
    explicit TFImpresion(QWidget* parent = nullptr);
    QRadioButton* rbCarta;
    QRadioButton* rbDatos;
    // The sheet can be chosen only while radiants are shown; called as the dialog opens.
    void offerSheet(bool available);
    bool sheetChosen() const;
};
