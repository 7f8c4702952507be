#pragma once

#include "plantstate.h"

#include <QSettings>
#include <QString>
#include <cstdint>
#include <optional>

// The per-user settings store: one section of text values. The writes that
// must be on disk before the game goes on return false when they are not
// (a full or read-only disk).
class Store
{
public:
    Store();

    /* the stored text, or fallback when the key is absent */
    QString read(const QString& key, const QString& fallback) const;
    void write(const QString& key, const QString& text);
    void remove(const QString& key);
    /* removes every key of the section */
    void clear();
    /* puts every pending change on disk */
    bool sync();

    QString fileName() const;

private:
    QSettings settings;
};

// Text forms of the stored values; conversions never use the user's locale.
QString integerText(long long value);
QString dayText(double day);
std::optional<Integer> toInteger(const QString& text);
std::optional<std::int32_t> toLong(const QString& text);
std::optional<double> toDouble(const QString& text);

// Loads every stored key into the state, with each key's default when absent.
void loadPlant(PlantState& state, const Store& store);

// The ten keys that change in play, stored at the end of a run; shownColour is
// the colour the scene shows now, which may differ from the start-up bcolor.
bool savePlayState(const PlantState& state, Store& store, std::int32_t shownColour);

// The nine keys that describe a newborn plant, at once; with replaceOld the old
// plant's section goes in the same write.
bool savePlant(const PlantState& state, Store& store, bool replaceOld);

// Single keys written at once.
bool savePot(const PlantState& state, Store& store);
bool saveBmpdir(const PlantState& state, Store& store);
bool forgetBmpdir(Store& store);

// The whole plant gone from the store, at once.
bool deletePlant(Store& store);
