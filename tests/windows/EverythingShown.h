#pragma once
// The busiest chart the program draws: every layer on, both radiant lists for 12 August and
// the drift tracks of every radiant active that day. Shared by the reference-image test and
// the benchmark.
#include "geometry/Calendar.h"
#include "windows/Unit1.h"

#include <QComboBox>
#include <QListWidget>
#include <QSpinBox>
#include <QToolButton>

inline void ShowEverything(TForm1& form) {
    for (QToolButton* b : {form.sbCoord, form.sbConstelaciones, form.sbNombres, form.sbZonas,
                           form.sbEstrellas, form.sbPintaMag})
        b->setChecked(true);
    form.upMes->setValue(8);
    form.upDia->setValue(12);
    form.Button3Click();
    form.sbRad->setChecked(true);
    form.sbRadTer->setChecked(true);
    form.sbRadClick();
    const int date = DayOfYear(12, 8);
    for (int i = 0; i < form.lbDesRad->count(); ++i) {
        int activeDay = 0;
        form.lbDesRad->item(i)->setSelected(IsActive(form.sky().radiants.at(i), date, activeDay));
    }
    form.sbDesRad->setChecked(true);
}

inline void ChooseChart(TForm1& form, int index, int zoom) {
    form.cbCarta->setCurrentIndex(index);
    form.cbCartaClick();
    for (int z = 1; z < zoom; ++z)
        form.sbZMasClick();
    form.sbCoord->setChecked(zoom == 1);
}
