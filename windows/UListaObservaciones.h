#pragma once
// The saved observations: night, site, observer and number of periods; one is opened, copied,
// deleted (after a question), exported for the IMO or printed.
#include "windows/ObservationContext.h"

#include <QDialog>

#include <cstdint>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

class TFListaObservaciones : public QDialog {
  public:
    // What the menu asked for: its button is the default one.
    enum class Purpose { Open, Export, Print };
    TFListaObservaciones(const ObservationContext& context, Purpose purpose,
                         QWidget* parent = nullptr);

    QTableWidget* gLista;
    QLabel* lEstado;
    QPushButton* bAbrir;
    QPushButton* bCopiar;
    QPushButton* bBorrar;
    QPushButton* bExportar;
    QPushButton* bImprimir;
    QPushButton* bCerrar;

    // Reads the list anew; false, after the error box, when the database cannot be read.
    bool fill();
    void bAbrirClick();
    void bCopiarClick();
    void bBorrarClick();
    void bExportarClick();
    void bImprimirClick();

  private:
    // The chosen row's observation id; none, after saying so, without a choice.
    std::optional<std::int64_t> chosen();
    std::optional<Observation> loadChosen();
    // Runs a change of the database; false after its error.
    template <typename F> bool guarded(F work);

    ObservationContext context_;
    std::vector<std::int64_t> ids_;
};

// Opens the list for the purpose; nothing more when the database cannot be read.
void ShowObservationList(const ObservationContext& context, TFListaObservaciones::Purpose purpose,
                         QWidget* parent);
