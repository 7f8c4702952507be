#pragma once

#include <QSettings>
#include <QStringList>
#include <utility>

// What the settings file holds, read back as the next start would.

inline QStringList storedKeys()
{
    QSettings settings;
    settings.sync();
    settings.beginGroup(QStringLiteral("setting"));
    QStringList keys = settings.childKeys();
    keys.sort();
    return keys;
}

inline QString storedText(const QString& key)
{
    QSettings settings;
    settings.sync();
    return settings.value(QStringLiteral("setting/") + key).toString();
}

/* replaces everything stored with these values */
inline void storeTexts(const QList<std::pair<QString, QString>>& values)
{
    QSettings settings;
    settings.clear();
    for (const auto& [key, value] : values)
        settings.setValue(QStringLiteral("setting/") + key, value);
    settings.sync();
}

inline void clearStore() { storeTexts({}); }
