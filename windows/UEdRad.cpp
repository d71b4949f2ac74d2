#include "windows/UEdRad.h"

#include "editor/FieldChecks.h"
#include "editor/RadiantFile.h"
#include "platform/Dialogs.h"
#include "sky/BinaryFile.h"
#include "windows/Aligrid.h"
#include "windows/MaskEdit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QToolButton>

#include <cstring>

namespace {

constexpr std::array<int, kColumns> kColumnWidths{33, 111, 35, 34, 34, 64, 64, 34, 26, 26, 36, 21};
constexpr const char* kDayMonthMask = "00/00;1;_";

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* label(QWidget* parent, const char* text, QRect geometry) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setGeometry(geometry);
    return l;
}

QGroupBox* group(QWidget* parent, const char* title, QRect geometry) {
    auto* g = new QGroupBox(QString::fromUtf8(title), parent);
    g->setGeometry(geometry);
    return g;
}

} // namespace

TFEdRad::TFEdRad(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("FEdRad"));
    setWindowTitle(QString::fromUtf8("Velumbra - Edición de radiantes"));
    setFixedSize(603, 389);
    GroupBox1 = group(this, "", QRect(4, 2, 595, 383));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    buildFields();
    buildButtons();
    buildGrid();
}

void TFEdRad::buildFields() {
    lRadiante = label(GroupBox1, "Radiante", QRect(10, 19, 48, 16));
    eRadiante = new QLineEdit(GroupBox1);
    eRadiante->setGeometry(60, 16, 170, 21);
    lCodImo = label(GroupBox1, "Cod. IMO", QRect(242, 19, 48, 16));
    meCodImo = new TMaskEdit(GroupBox1);
    meCodImo->setGeometry(292, 16, 44, 21);
    cbDib = new QCheckBox(QStringLiteral("Se dibuja"), GroupBox1);
    cbDib->setGeometry(352, 18, 80, 17);

    struct FieldLayout {
        TMaskEdit*& field;
        const char* name;
        const char* caption;
        QGroupBox* box;
        int row;
        int labelWidth;
        int editWidth;
    };
    QGroupBox* periodo = group(GroupBox1, "Periodo", QRect(10, 44, 176, 88));
    QGroupBox* posicion = group(GroupBox1, "Posición / Tamaño", QRect(194, 44, 212, 88));
    QGroupBox* estructura = group(GroupBox1, "Estructura", QRect(414, 44, 171, 88));
    const FieldLayout fields[] = {
        {meInicio, "meInicio", "Inicio (Dia/Mes)", periodo, 0, 104, 48},
        {meFin, "meFin", "Fin (Dia/Mes)", periodo, 1, 104, 48},
        {meMaximo, "meMaximo", "Máximo (Dia/Mes)", periodo, 2, 104, 48},
        {meArDec, "meArDec", "Ar/Dec", posicion, 0, 110, 84},
        {meDeriva, "meDeriva", "Deriva (Ar/Dec)", posicion, 1, 110, 84},
        {meDiametro, "meDiametro", "Diámetro (Ar/dec)", posicion, 2, 110, 84},
        {meR, "meR", "R", estructura, 0, 40, 60},
        {meV, "meV", "V", estructura, 1, 40, 60},
        {meThz, "meThz", "Thz", estructura, 2, 40, 60},
    };
    for (const FieldLayout& f : fields) {
        const int y = 18 + 22 * f.row;
        label(f.box, f.caption, QRect(8, y + 3, f.labelWidth, 16));
        f.field = new TMaskEdit(f.box);
        f.field->setObjectName(QString::fromLatin1(f.name));
        f.field->setGeometry(8 + f.labelWidth, y, f.editWidth, 21);
    }
    meInicio->SetEditMask(kDayMonthMask);
    meFin->SetEditMask(kDayMonthMask);
    meArDec->SetEditMask("000.0/#00.0;1;_");
    meDeriva->SetEditMask("#0.00/#0.00;1;_");
    meDiametro->SetEditMask(kDayMonthMask);
    meV->SetEditMask("00.0;1;_");
    for (TMaskEdit* f :
         {meCodImo, meInicio, meFin, meMaximo, meArDec, meDeriva, meDiametro, meR, meV, meThz})
        f->OnInvalidInput = [this, f] { reportIncomplete(f); };
    eRadiante->setObjectName(QStringLiteral("eRadiante"));
    meCodImo->setObjectName(QStringLiteral("meCodImo"));
    cbDib->setObjectName(QStringLiteral("cbDib"));
}

void TFEdRad::buildButtons() {
    struct ButtonLayout {
        QToolButton*& button;
        const char* name;
        const char* hint;
        QStyle::StandardPixmap icon;
        void (TFEdRad::*handler)();
    };
    const ButtonLayout buttons[] = {
        {SpeedButton3, "SpeedButton3", "Ordena por columna seleccionada", QStyle::SP_ArrowDown,
         &TFEdRad::SpeedButton3Click},
        {SpeedButton2, "SpeedButton2", "Nuevo registro", QStyle::SP_FileIcon,
         &TFEdRad::SpeedButton2Click},
        {SpeedButton4, "SpeedButton4", "Borra registro seleccionado...", QStyle::SP_TrashIcon,
         &TFEdRad::SpeedButton4Click},
        {SpeedButton1, "SpeedButton1", "Guarda tabla", QStyle::SP_DialogSaveButton,
         &TFEdRad::SpeedButton1Click},
        {SpeedButton6, "SpeedButton6", "Cierra ventana", QStyle::SP_DialogCloseButton,
         &TFEdRad::SpeedButton6Click},
    };
    int x = 450;
    for (const ButtonLayout& b : buttons) {
        b.button = new QToolButton(GroupBox1);
        b.button->setObjectName(QString::fromLatin1(b.name));
        b.button->setToolTip(QString::fromUtf8(b.hint));
        b.button->setIcon(style()->standardIcon(b.icon));
        b.button->setAutoRaise(true);
        b.button->setFocusPolicy(Qt::NoFocus);
        b.button->setGeometry(x, 13, 25, 25);
        x += 27;
        connect(b.button, &QToolButton::clicked, this, [this, h = b.handler] { (this->*h)(); });
    }
}

void TFEdRad::buildGrid() {
    Tabla = new TStringAlignGrid(kColumns, GroupBox1);
    Tabla->setObjectName(QStringLiteral("Tabla"));
    // The column widths were made for a narrower face than the dialog's; its narrow twin fits.
    QFont narrow(QStringLiteral("Liberation Sans Narrow"));
    narrow.setPixelSize(11);
    Tabla->setFont(narrow);
    Tabla->horizontalHeader()->setFont(narrow);
    // A text wider than its column is cut at the edge, as the classic grid does.
    Tabla->setTextElideMode(Qt::ElideNone);
    Tabla->setWordWrap(false);
    Tabla->verticalHeader()->setMinimumSectionSize(18);
    Tabla->verticalHeader()->setDefaultSectionSize(18);
    Tabla->horizontalHeader()->setFixedHeight(18);
    Tabla->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    int width = 0;
    for (int c = 0; c < kColumns; ++c) {
        Tabla->setColumnWidth(c, kColumnWidths[static_cast<std::size_t>(c)]);
        width += kColumnWidths[static_cast<std::size_t>(c)];
    }
    width += Tabla->verticalScrollBar()->sizeHint().width() + 2 * Tabla->frameWidth();
    Tabla->setGeometry(10, 140, width, 236);
    Tabla->SetRowCount(2);
    Tabla->OnSelectCell = [this](int col, int row) { TablaSelectCell(col, row); };
    Tabla->MayLeaveRow = [this] { return fieldsComplete(); };
}

const char* TFEdRad::fileName() const {
    return EditMode == RadiantList::Imo ? kImoRadiantFile : kTerentjevaRadiantFile;
}

std::string TFEdRad::filePath() const {
    return DataPath(DataDir, fileName());
}

void TFEdRad::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    FormActivate();
}

void TFEdRad::FormActivate() {
    const bool imo = EditMode == RadiantList::Imo;
    setWindowTitle(QString::fromUtf8(imo ? "Velumbra - Edición de radiantes"
                                         : "Velumbra - Edición de radiantes de Terentjeva"));
    lCodImo->setText(imo ? QStringLiteral("Cod. IMO") : QStringLiteral("Num."));
    meCodImo->SetEditMask(imo ? ">AAA;1;_" : ">A<>Aaa;1;_");
    const RadiantRow headers = HeaderRow(EditMode);
    for (int c = 0; c < kColumns; ++c)
        Tabla->SetCells(c, 0, q(headers[static_cast<std::size_t>(c)]));
    // The fields the Terentjeva list does not have look and act disabled, masks and texts gone.
    const std::pair<TMaskEdit*, const char*> imoOnly[] = {
        {meMaximo, kDayMonthMask}, {meR, "0.00;1;_"}, {meThz, "0####;1;_"}};
    for (const auto& [field, mask] : imoOnly) {
        field->setEnabled(imo);
        field->SetEditMask(imo ? mask : "");
        field->clear();
    }
    if (imo) {
        meMaximo->setText(QStringLiteral("01/01"));
        meR->setText(QStringLiteral("0.00"));
        meThz->setText(QStringLiteral("0"));
        LoadGridIMO();
    } else {
        LoadGridTer();
    }
    Modified = false;
    selectSilently(1);
    ShowRow(1);
    CurrentRow = 1;
}

void TFEdRad::LoadGridIMO() {
    loadGrid(kImoRadiantFile);
}

void TFEdRad::LoadGridTer() {
    loadGrid(kTerentjevaRadiantFile);
}

void TFEdRad::loadGrid(const char* name) {
    // Nothing of an earlier opening stays: a failed load leaves one empty row and no save.
    Tabla->SetRowCount(2);
    setRowTexts(1, RadiantRow{});
    Tabla->SetRowData(1, QVariant());
    Modified = false;
    const RadiantFileRead read = ReadRadiantRecords(DataPath(DataDir, name));
    loaded_ = read.error.empty();
    setEditing(loaded_);
    if (!loaded_) {
        ++messages_;
        dialogs_.error(q(read.error));
        return;
    }
    Tabla->SetRowCount(static_cast<int>(read.records.size()) + 1);
    int row = 1;
    for (const RecordBytes& bytes : read.records) {
        Radiant r;
        DecodeRadiant(bytes.data(), r);
        setRowTexts(row, RecordToRow(r, EditMode));
        Tabla->SetRowData(row, QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                          static_cast<qsizetype>(bytes.size())));
        ++row;
    }
}

void TFEdRad::setEditing(bool on) {
    for (QWidget* w : {static_cast<QWidget*>(Tabla), static_cast<QWidget*>(SpeedButton1),
                       static_cast<QWidget*>(SpeedButton2), static_cast<QWidget*>(SpeedButton3),
                       static_cast<QWidget*>(SpeedButton4)})
        w->setEnabled(on);
    for (int c = 0; c < kColumns; ++c)
        if (c != ColMax && c != ColR && c != ColThz)
            fieldOf(c)->setEnabled(on);
}

bool TFEdRad::SaveGridIMO() {
    return saveGrid(kImoRadiantFile);
}

bool TFEdRad::SaveGridTer() {
    return saveGrid(kTerentjevaRadiantFile);
}

bool TFEdRad::saveGrid(const char* name) {
    const std::string path = DataPath(DataDir, name);
    std::vector<EditorRow> rows(static_cast<std::size_t>(Tabla->RowCount() - 1));
    for (int row = 1; row < Tabla->RowCount(); ++row) {
        EditorRow& e = rows[static_cast<std::size_t>(row - 1)];
        e.cells = rowTexts(row);
        const QByteArray origin = Tabla->RowData(row).toByteArray();
        if (origin.size() == static_cast<qsizetype>(kRadiantRecordSize)) {
            e.origin.emplace();
            std::memcpy(e.origin->data(), origin.constData(), kRadiantRecordSize);
        }
    }
    const RadiantFileImage image = BuildRadiantFile(rows, EditMode);
    if (image.fault) {
        const auto& [row, fault] = *image.fault;
        const std::string header = HeaderRow(EditMode)[static_cast<std::size_t>(fault.column)];
        ++messages_;
        dialogs_.error(ErrorBoxText(
            VelumbraError("No se ha guardado el archivo: la fila " + std::to_string(row) +
                              ", columna «" + header + "», no es válida (" + fault.message + ").",
                          path, "Corríjala o bórrela; el archivo sigue como estaba.")));
        Tabla->SetRow(row);
        if (QWidget* field = fieldOf(fault.column); field->isEnabled())
            field->setFocus();
        return false;
    }
    if (const SystemErrorText failure = WriteFileAtomically(path, image.bytes);
        !failure.words.empty()) {
        ++messages_;
        dialogs_.error(ErrorBoxText(VelumbraError(
            "No se ha podido guardar el archivo: " + failure.words + ".", path,
            failure.advice + " El archivo anterior sigue intacto y la tabla conserva sus filas.")));
        return false;
    }
    // The rows now hold what the file holds.
    for (int row = 1; row < Tabla->RowCount(); ++row)
        Tabla->SetRowData(row, QByteArray(reinterpret_cast<const char*>(image.bytes.data()) +
                                              static_cast<qsizetype>(row - 1) * kRadiantRecordSize,
                                          static_cast<qsizetype>(kRadiantRecordSize)));
    Modified = false;
    return true;
}

TFEdRad::SaveOutcome TFEdRad::SaveTable(bool closing) {
    if (!loaded_)
        return SaveOutcome::Refused;
    const bool committed = commitRow(CurrentRow);
    if (!committed && closing)
        return SaveOutcome::Refused;
    if (!dialogs_.question(QString::fromUtf8("¿Guardar cambios?")))
        return SaveOutcome::Declined;
    const bool saved = EditMode == RadiantList::Imo ? SaveGridIMO() : SaveGridTer();
    return saved ? SaveOutcome::Saved : SaveOutcome::Refused;
}

bool TFEdRad::FormClose() {
    if (!loaded_ || (!Modified && fieldTexts() == shown_))
        return true;
    return SaveTable(true) != SaveOutcome::Refused;
}

void TFEdRad::closeEvent(QCloseEvent* event) {
    if (FormClose()) {
        QDialog::done(QDialog::Rejected);
        event->accept();
    } else {
        event->ignore();
    }
}

void TFEdRad::reject() {
    if (FormClose())
        QDialog::reject();
}

QWidget* TFEdRad::fieldOf(int column) const {
    const std::array<QWidget*, kColumns> fields{meCodImo, eRadiante, meInicio, meFin,
                                                meMaximo, meArDec,   meDeriva, meDiametro,
                                                meR,      meV,       meThz,    cbDib};
    return fields[static_cast<std::size_t>(column)];
}

RadiantRow TFEdRad::fieldTexts() const {
    RadiantRow f;
    for (int c = 0; c < kColumns; ++c) {
        if (auto* masked = dynamic_cast<TMaskEdit*>(fieldOf(c)))
            f[static_cast<std::size_t>(c)] = masked->FieldText();
    }
    f[ColName] = eRadiante->text().toStdString();
    f[ColDib] = cbDib->isChecked() ? "SI" : "NO";
    return f;
}

std::vector<int> TFEdRad::setFieldTexts(const RadiantRow& texts) {
    const bool imo = EditMode == RadiantList::Imo;
    std::vector<int> unshown;
    for (int c = 0; c < kColumns; ++c) {
        auto* masked = dynamic_cast<TMaskEdit*>(fieldOf(c));
        // The disabled fields of the Terentjeva list stay empty.
        if (masked && (imo || (c != ColMax && c != ColR && c != ColThz)) &&
            !masked->ShowText(texts[static_cast<std::size_t>(c)]))
            unshown.push_back(c);
    }
    eRadiante->setText(q(texts[ColName]));
    cbDib->setChecked(texts[ColDib] == "SI");
    return unshown;
}

void TFEdRad::reportUnshown(const RadiantRow& texts, const std::vector<int>& columns) {
    const RadiantRow headers = HeaderRow(EditMode);
    std::string values;
    for (int c : columns)
        values += (values.empty() ? "" : ", ") + headers[static_cast<std::size_t>(c)] + " «" +
                  texts[static_cast<std::size_t>(c)] + "»";
    const bool one = columns.size() == 1;
    ++messages_;
    dialogs_.information(
        q((one ? "El valor " : "Los valores ") + values +
          (one ? " de esta fila no cabe en su campo, que se muestra vacío. La fila lo conserva tal "
                 "cual mientras no escriba otro en el campo; si lo cambia, escriba uno que quepa."
               : " de esta fila no caben en sus campos, que se muestran vacíos. La fila los "
                 "conserva tal cual mientras no escriba otros en esos campos; si los cambia, "
                 "escriba unos que quepan.")));
}

RadiantRow TFEdRad::rowTexts(int row) const {
    RadiantRow texts;
    for (int c = 0; c < kColumns; ++c)
        texts[static_cast<std::size_t>(c)] = Tabla->Cells(c, row).toStdString();
    return texts;
}

void TFEdRad::setRowTexts(int row, const RadiantRow& texts) {
    for (int c = 0; c < kColumns; ++c)
        Tabla->SetCells(c, row, q(texts[static_cast<std::size_t>(c)]));
}

void TFEdRad::ShowRow(int row) {
    const RadiantRow texts = rowTexts(row);
    const std::vector<int> unshown = setFieldTexts(texts);
    shown_ = fieldTexts();
    eRadiante->setFocus();
    if (!unshown.empty())
        reportUnshown(texts, unshown);
}

bool TFEdRad::commitRow(int row) {
    return EditMode == RadiantList::Imo ? CommitRowIMO(row) : CommitRowTer(row);
}

// The two lists differ only in their chain of checks, which CheckFields takes from the mode.
bool TFEdRad::CommitRowIMO(int row) {
    return commitFields(row);
}

bool TFEdRad::CommitRowTer(int row) {
    return commitFields(row);
}

bool TFEdRad::commitFields(int row) {
    const RadiantRow fields = fieldTexts();
    if (fields == shown_ || row < 1 || row >= Tabla->RowCount())
        return true;
    if (!fieldsComplete())
        return false;
    const RadiantRow kept = KeepUntouched(rowTexts(row), shown_, fields);
    if (const auto fault = CheckFields(kept, EditMode)) {
        reportFault(fault->column, fault->message);
        return false;
    }
    const RadiantRow texts = CommittedRow(kept);
    if (texts != rowTexts(row)) {
        setRowTexts(row, texts);
        Modified = true;
    }
    shown_ = fields;
    return true;
}

void TFEdRad::reportFault(int column, const std::string& message) {
    ++messages_;
    dialogs_.information(q(message));
    fieldOf(column)->setFocus();
}

std::string TFEdRad::incompleteMessage(int column) const {
    return "Valor de entrada no válido en «" +
           HeaderRow(EditMode)[static_cast<std::size_t>(column)] +
           "». Complete el campo o pulse Esc para descartar los cambios.";
}

void TFEdRad::reportIncomplete(TMaskEdit* field) {
    // Shown once the focus has settled, unless a check has spoken about it meanwhile.
    const int before = messages_;
    QTimer::singleShot(0, this, [this, field, before] {
        if (messages_ != before || !isVisible())
            return;
        for (int c = 0; c < kColumns; ++c)
            if (fieldOf(c) == field) {
                ++messages_;
                dialogs_.information(q(incompleteMessage(c)));
            }
        field->setFocus();
    });
}

bool TFEdRad::fieldsComplete() {
    for (int c = 0; c < kColumns; ++c) {
        // Texts the program puts in a field (a row, the defaults) may be incomplete.
        auto* masked = dynamic_cast<TMaskEdit*>(fieldOf(c));
        if (masked && masked->isModified() && !masked->hasAcceptableInput()) {
            ++messages_;
            dialogs_.information(q(incompleteMessage(c)));
            masked->setFocus();
            return false;
        }
    }
    return true;
}

void TFEdRad::selectSilently(int row) {
    const QSignalBlocker quiet(Tabla);
    Tabla->setCurrentCell(row - 1, std::max(Tabla->Col(), 0));
}

void TFEdRad::TablaSelectCell(int, int row) {
    commitRow(CurrentRow);
    ShowRow(row);
    CurrentRow = row;
}

void TFEdRad::SpeedButton1Click() {
    SaveTable();
}

void TFEdRad::SpeedButton2Click() {
    if (!fieldsComplete())
        return;
    commitRow(CurrentRow);
    Tabla->SetRow(Tabla->RowCount() - 1);
    const int row = Tabla->Row() + 1;
    Tabla->InsertRow(row);
    selectSilently(row);
    CurrentRow = row;
    ShowRow(row);
    setFieldTexts(NewRecordFields(EditMode));
    Modified = true;
    eRadiante->setFocus();
}

void TFEdRad::SpeedButton4Click() {
    if (Tabla->RowCount() > 2 &&
        dialogs_.confirm(QString::fromUtf8("¿Borrado del registro seleccionado?"))) {
        Tabla->RemoveRow(Tabla->Row());
        Modified = true;
    }
    CurrentRow = std::max(Tabla->Row(), 1);
    ShowRow(CurrentRow);
}

void TFEdRad::SpeedButton3Click() {
    if (!fieldsComplete())
        return;
    commitRow(CurrentRow);
    std::vector<RadiantRow> before;
    for (int row = 1; row < Tabla->RowCount(); ++row)
        before.push_back(rowTexts(row));
    Tabla->SortByColumn(Tabla->Col());
    for (int row = 1; row < Tabla->RowCount(); ++row)
        if (rowTexts(row) != before[static_cast<std::size_t>(row - 1)])
            Modified = true;
    selectSilently(1);
    CurrentRow = 1;
    ShowRow(1);
}

void TFEdRad::SpeedButton6Click() {
    close();
}
