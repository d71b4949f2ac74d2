#pragma once
// The radiant editor: one radiant file (IMO list or Terentjeva list) as a grid, one row per
// record, edited through the masked fields above it and written back whole on saving.
#include "editor/RadiantRow.h"

#include <QDialog>

#include <array>
#include <string>
#include <vector>

class Dialogs;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class TMaskEdit;
class TStringAlignGrid;

class TFEdRad : public QDialog {
  public:
    explicit TFEdRad(Dialogs& dialogs, QWidget* parent = nullptr);

    // Set by the main window before each opening.
    RadiantList EditMode = RadiantList::Imo;
    std::string DataDir;
    // The row the edit fields describe.
    int CurrentRow = 1;
    // A committed change, a new, deleted or reordered row not yet saved.
    bool Modified = false;

    enum class SaveOutcome { Saved, Declined, Refused };

    // Sets up the mode and loads the grid; run at every opening.
    void FormActivate();
    void LoadGridIMO();
    void LoadGridTer();
    bool SaveGridIMO();
    bool SaveGridTer();
    // Commits the fields, asks "¿Guardar cambios?" and writes. While closing, a failed commit
    // refuses the save so that the close can be cancelled.
    SaveOutcome SaveTable(bool closing = false);
    // Whether the window may close: with unsaved changes only after the save question.
    bool FormClose();

    void ShowRow(int row);
    bool CommitRowIMO(int row);
    bool CommitRowTer(int row);
    void TablaSelectCell(int col, int row);

    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton6Click();

    QGroupBox* GroupBox1;
    QLabel* lRadiante;
    QLineEdit* eRadiante;
    QLabel* lCodImo;
    TMaskEdit* meCodImo;
    QCheckBox* cbDib;
    TMaskEdit* meInicio;
    TMaskEdit* meFin;
    TMaskEdit* meMaximo;
    TMaskEdit* meArDec;
    TMaskEdit* meDeriva;
    TMaskEdit* meDiametro;
    TMaskEdit* meR;
    TMaskEdit* meV;
    TMaskEdit* meThz;
    TStringAlignGrid* Tabla;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QToolButton* SpeedButton4;
    QToolButton* SpeedButton6;

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void buildFields();
    void buildGrid();
    void buildButtons();
    void loadGrid(const char* name);
    bool saveGrid(const char* name);
    // The commit of the current mode.
    bool commitRow(int row);
    bool commitFields(int row);
    const char* fileName() const;
    std::string filePath() const;
    RadiantRow fieldTexts() const;
    RadiantRow rowTexts(int row) const;
    void setRowTexts(int row, const RadiantRow& texts);
    // The columns whose text a field could not show.
    std::vector<int> setFieldTexts(const RadiantRow& texts);
    QWidget* fieldOf(int column) const;
    void reportFault(int column, const std::string& message);
    void setEditing(bool on);
    void selectSilently(int row);
    void reportIncomplete(TMaskEdit* field);
    // Whether every field the user typed in is complete; the first that is not is reported
    // and gets the focus, so that Escape can still take the change back.
    bool fieldsComplete();
    void reportUnshown(const RadiantRow& texts, const std::vector<int>& columns);
    std::string incompleteMessage(int column) const;

    Dialogs& dialogs_;
    // The field texts as the current row put them there: a commit that changes nothing is none.
    RadiantRow shown_{};
    // The file was read whole; otherwise nothing may be saved over it.
    bool loaded_ = false;
    // Counts the messages shown, so that a message already given is not followed by another.
    int messages_ = 0;
};
