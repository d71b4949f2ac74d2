#include "windows/UAcercade.h"

#include <QDir>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(const std::string& dataDir, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Acerca de Velumbra"));
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    const QImage logo(QDir(QString::fromStdString(dataDir)).filePath(QStringLiteral("escudo.bmp")));
    if (!logo.isNull())
        picture->setPixmap(QPixmap::fromImage(logo.scaled(64, 64, Qt::KeepAspectRatio)));
    picture->setFixedSize(64, 64);

    auto* texts = new QVBoxLayout;
    // The version comes from the build; the box shows no date of its own.
    for (const char* line :
         {"Programa: Velumbra", "Versión: " VELUMBRA_VERSION,
          "(para observación visual de meteoros)", "", "Cartas gnomónicas, radiantes y su deriva,",
          "áreas de magnitud límite y hoja de observación."}) {
        auto* l = new QLabel(QString::fromUtf8(line), this);
        texts->addWidget(l);
    }
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(texts);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
