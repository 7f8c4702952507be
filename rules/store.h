#pragma once

#include "plantstate.h"

#include <QDateTime>
#include <QSettings>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Where QSettings keeps the store of organisation and application "morvick",
// found without opening anything there.
QString storeFileName();

// The per-user settings store: one section of text values. The writes that
// must be on disk before the game goes on return false when they are not
// (a full or read-only disk).
class Store
{
public:
    enum class Opening {
        Ready,
        /* an unreadable or oversized file was moved to asideFileName(); the store starts empty */
        KeptAside,
        /* something else than a regular file is there: never read nor written */
        Refused
    };

    Store();
    /* only a regular file (a link to one followed) or nothing at fileName is used */
    explicit Store(const QString& fileName);
    Opening opening() const { return opened; }
    QString asideFileName() const { return aside; }

    /* the stored text, or fallback when the key is absent */
    QString read(const QString& key, const QString& fallback) const;
    void write(const QString& key, const QString& text);
    void remove(const QString& key);
    /* removes every key of the section */
    void clear();
    /* puts every pending change on disk */
    bool sync();

    QString fileName() const { return path; }
    /* whether the file is no longer as this store last read or wrote it */
    bool changedBehindItsBack() const;

    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        QDateTime changed;
        bool operator==(const Stamp&) const = default;
    };

private:
    QString path;
    Opening opened = Opening::Ready;
    QString aside;
    std::unique_ptr<QSettings> reader;
    std::vector<std::function<void(QSettings&)>> pending;
    Stamp seen;
};

// Text forms of the stored values; conversions never use the user's locale.
QString integerText(long long value);
QString dayText(double day);
std::optional<Integer> toInteger(const QString& text);
std::optional<std::int32_t> toLong(const QString& text);
std::optional<double> toDouble(const QString& text);

// Removes what saves cut short by a kill leave beside the store: the writer's
// temporary files and the lock it holds while writing. Only for the game that
// holds the instance lock.
void removeInterruptedSaves(const QString& fileName);

// Loads every stored key into the state, with each key's default when absent.
void loadPlant(PlantState& state, const Store& store);

// The ten keys that change in play, stored at the end of a run; shownColour is
// the colour the scene shows now, which may differ from the start-up bcolor.
bool savePlayState(const PlantState& state, Store& store, std::int32_t shownColour);

// The nine keys that describe a newborn plant, at once; with replaceOld the old
// plant's section goes in the same write.
bool savePlant(const PlantState& state, Store& store, bool replaceOld);

// Single keys written at once.
// These and savePlayState write the whole plant with their keys when the store
// no longer holds the plant being played (its file or folder gone, or the file
// replaced), so that no save leaves part of a plant.
bool savePot(const PlantState& state, Store& store);
bool saveBmpdir(const PlantState& state, Store& store);
bool forgetBmpdir(const PlantState& state, Store& store);

// The whole plant gone from the store, at once.
bool deletePlant(Store& store);
