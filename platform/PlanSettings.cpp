#include "platform/PlanSettings.h"

#include <QSettings>

#include <cmath>

namespace {
const QString kOwner = QStringLiteral("Velumbra");
} // namespace

namespace {
// A number read back within [low, high], or the default.
double within(const QSettings& saved, const QString& key, double low, double high, double unset) {
    bool ok = false;
    const double value = saved.value(key).toDouble(&ok);
    return ok && std::isfinite(value) && value >= low && value <= high ? value : unset;
}

// Degrees as typed when they read as degrees within the limit; nothing otherwise.
QString degrees(const QSettings& saved, const QString& key, double limit) {
    const QString text = saved.value(key).toString();
    double value = 0;
    return ReadDegrees(text, limit, value) ? text : QString();
}
} // namespace

PlanSettings LoadPlanSettings() {
    const QSettings saved(kOwner, kOwner);
    PlanSettings s;
    s.latitude = degrees(saved, QStringLiteral("plan/latitud"), 90.0);
    s.longitude = degrees(saved, QStringLiteral("plan/longitud"), 180.0);
    s.utcOffset =
        within(saved, QStringLiteral("plan/huso"), kLowestUtcOffset, kHighestUtcOffset, 0.0);
    s.limitingMagnitude =
        within(saved, QStringLiteral("plan/maglim"), kBrightestSky, kFaintestSky, 6.5);
    return s;
}

bool StorePlanSettings(const PlanSettings& s, QString* path) {
    QSettings saved(kOwner, kOwner);
    saved.setValue(QStringLiteral("plan/latitud"), s.latitude.trimmed());
    saved.setValue(QStringLiteral("plan/longitud"), s.longitude.trimmed());
    saved.setValue(QStringLiteral("plan/huso"), s.utcOffset);
    saved.setValue(QStringLiteral("plan/maglim"), s.limitingMagnitude);
    saved.sync();
    if (path)
        *path = saved.fileName();
    return saved.status() == QSettings::NoError;
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
