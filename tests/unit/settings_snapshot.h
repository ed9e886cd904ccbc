#pragma once
#include <QMap>
#include <QString>
#include <QStringList>

#include "settings/settings.h"

// Every setting as "Group/Key" to its value in text, for tests that check
// which settings an operation changed.
inline QString SettingText(const SettingField& f) {
    switch (f.type) {
        case SettingType::Flag:
        case SettingType::Code:
        case SettingType::Byte:
            return QString::number(*static_cast<const int8_t*>(f.value));
        case SettingType::Int:
        case SettingType::Date:
            return QString::number(*static_cast<const int32_t*>(f.value));
        case SettingType::Float:
            return QString::number(*static_cast<const float*>(f.value), 'f', 6);
        case SettingType::Text:
            return *static_cast<const QString*>(f.value);
    }
    return QString();
}

inline QMap<QString, QString> SettingsSnapshot() {
    QMap<QString, QString> values;
    int count = 0;
    const SettingField* fields = SettingFields(&count);
    for (int i = 0; i < count; ++i)
        values.insert(QStringLiteral("%1/%2").arg(QLatin1String(fields[i].group), QLatin1String(fields[i].key)),
                      SettingText(fields[i]));
    return values;
}

// The settings that differ from the snapshot, as "Group/Key=value", sorted.
inline QStringList SettingsChangedSince(const QMap<QString, QString>& before) {
    QStringList changes;
    const QMap<QString, QString> after = SettingsSnapshot();
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (before.value(it.key()) != it.value()) changes << it.key() + u'=' + it.value();
    changes.sort();
    return changes;
}
