#pragma once

#include "morvick.h"

#include <QImage>
#include <QSettings>
#include <QString>
#include <cstdint>
#include <optional>

class QDate;

// The per-user settings store: one section of text values.
class Store
{
public:
    Store();

    /* the stored text, or fallback when the key is absent */
    QString read(const QString& key, const QString& fallback) const;
    void write(const QString& key, const QString& text);
    void remove(const QString& key);
    /* removes every key of the section; on disk with the next sync */
    void clear();

    // The writes that must be on disk before the game goes on. Each returns
    // false when the file could not be written (full or read-only disk).
    bool writeNow(const QString& key, const QString& text);
    bool removeNow(const QString& key);
    bool deleteSection();
    /* puts every pending write on disk */
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

/* whole days since 30 December 1899 */
double dayNumber(const QDate& date);

// Loads the plant state from the store; returns the background picture named
// by bmpdir, or a null image when there is none or it does not load.
QImage setsettin(PlantState& state, Store& store);

// Saves what changes during play; shownColour is the colour the scene shows
// now, which may differ from the start-up bcolor. False when it did not reach the disk.
bool retsettin(const PlantState& state, Store& store, std::int32_t shownColour);

// Writes the nine keys that describe a plant, as a confirmed setup does; with
// replaceOld, the old plant's section goes in the same write. False when it
// did not reach the disk.
bool savePlant(const PlantState& state, Store& store, bool replaceOld);
