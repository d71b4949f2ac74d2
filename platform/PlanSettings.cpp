#include "platform/PlanSettings.h"

#include <QSettings>

#include <cmath>

namespace {
const QString kOwner = QStringLiteral("Velumbra");
} // namespace

PlanSettings LoadPlanSettings() {
    const QSettings saved(kOwner, kOwner);
    PlanSettings s;
    s.latitude = saved.value(QStringLiteral("plan/latitud")).toString();
    s.longitude = saved.value(QStringLiteral("plan/longitud")).toString();
    s.utcOffset = saved.value(QStringLiteral("plan/huso"), 0.0).toDouble();
    s.limitingMagnitude = saved.value(QStringLiteral("plan/maglim"), 6.5).toDouble();
    return s;
}

void StorePlanSettings(const PlanSettings& s) {
    QSettings saved(kOwner, kOwner);
    saved.setValue(QStringLiteral("plan/latitud"), s.latitude.trimmed());
    saved.setValue(QStringLiteral("plan/longitud"), s.longitude.trimmed());
    saved.setValue(QStringLiteral("plan/huso"), s.utcOffset);
    saved.setValue(QStringLiteral("plan/maglim"), s.limitingMagnitude);
}

bool ReadDegrees(const QString& text, double limit, double& value) {
    bool ok = false;
    value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) && std::fabs(value) <= limit;
}

std::optional<PlanRequest> RememberedPlan(int day, int month, int year) {
    const PlanSettings s = LoadPlanSettings();
    PlanRequest q;
    if (!ReadDegrees(s.latitude, 90.0, q.site.latitude) ||
        !ReadDegrees(s.longitude, 180.0, q.site.longitude))
        return std::nullopt;
    q.year = year;
    q.month = month;
    q.day = day;
    q.utcOffset = s.utcOffset;
    q.limitingMagnitude = s.limitingMagnitude;
    return q;
}
