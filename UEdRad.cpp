#include "UEdRad.h"

TFEdRad::TFEdRad(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FEdRad"));
    setWindowTitle(QStringLiteral("Velumbra - Edición de radiantes"));
    setFixedSize(603, 389);
}
