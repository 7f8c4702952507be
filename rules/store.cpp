#include "store.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <cmath>

namespace {
const QString section = QStringLiteral("setting");

QString sectionKey(const QString& key)
{
    return section + QLatin1Char('/') + key;
}

QString slotKey(int slot)
{
    return QStringLiteral("sacce%1").arg(slot);
}
} // namespace

Store::Store() = default;

QString Store::read(const QString& key, const QString& fallback) const
{
    const QVariant value = settings.value(sectionKey(key));
    if (!value.isValid())
        return fallback;
    // A hand-edited file may hold an unquoted list; read it back as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void Store::write(const QString& key, const QString& text)
{
    settings.setValue(sectionKey(key), text);
}

void Store::remove(const QString& key)
{
    settings.remove(sectionKey(key));
}

void Store::clear()
{
    settings.remove(section);
}

bool Store::sync()
{
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString Store::fileName() const
{
    return settings.fileName();
}

QString integerText(long long value)
{
    return QString::number(value);
}

QString dayText(double day)
{
    if (std::isfinite(day) && day == std::floor(day) && std::fabs(day) < 1e15)
        return QString::number(static_cast<long long>(day));
    return QLocale::c().toString(day, 'g', 17);
}

std::optional<Integer> toInteger(const QString& text)
{
    bool ok = false;
    const int value = QLocale::c().toInt(text.trimmed(), &ok);
    if (!ok || value < Integer::min || value > Integer::max)
        return std::nullopt;
    return Integer(value);
}

std::optional<std::int32_t> toLong(const QString& text)
{
    bool ok = false;
    const int value = QLocale::c().toInt(text.trimmed(), &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<double> toDouble(const QString& text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

void loadPlant(PlantState& state, const Store& store)
{
    // Until bmpdir is known a bad value falls back to the key's default; after a
    // picture path, a bad value leaves the variable as it was.
    bool keepOnError = false;
    auto loadInteger = [&](Integer& variable, const QString& key, int fallback) {
        if (const auto value = toInteger(store.read(key, integerText(fallback))))
            variable = *value;
        else if (!keepOnError)
            variable = fallback;
    };

    loadInteger(state.ai, QStringLiteral("ai"), 0);
    loadInteger(state.seiword, QStringLiteral("seiword"), 1);
    state.bcolor = toLong(store.read(QStringLiteral("bcolor"), integerText(defaultBackColour)))
                       .value_or(defaultBackColour);
    state.bmpdir = store.read(QStringLiteral("bmpdir"), QString());
    keepOnError = !state.bmpdir.isEmpty();

    loadInteger(state.sei, QStringLiteral("sei"), 1);
    //: The plant's name until the player gives it one: a pomelo (Zabon)
    state.sname =
        store.read(QStringLiteral("sname"), QCoreApplication::translate("Store", "ザボン"));
    loadInteger(state.sshape1, QStringLiteral("sshape1"), 1);
    loadInteger(state.sshape2, QStringLiteral("sshape2"), 1);
    loadInteger(state.swater, QStringLiteral("swater"), 0);
    loadInteger(state.smode, QStringLiteral("smode"), 0);
    loadInteger(state.days, QStringLiteral("days"), 0);
    if (const auto day = toDouble(store.read(QStringLiteral("lastday"), dayText(0))))
        state.lastday = *day;
    else if (!keepOnError)
        state.lastday = 0;
    for (int slot = 1; slot <= accessorySlots; ++slot)
        loadInteger(state.sacce[slot], slotKey(slot), 0);
}

bool savePlayState(const PlantState& state, Store& store, std::int32_t shownColour)
{
    store.write(QStringLiteral("ai"), integerText(state.ai));
    store.write(QStringLiteral("seiword"), integerText(state.seiword));
    store.write(QStringLiteral("bcolor"), integerText(shownColour));
    store.write(QStringLiteral("days"), integerText(state.days));
    store.write(QStringLiteral("lastday"), dayText(state.lastday));
    store.write(QStringLiteral("swater"), integerText(state.swater));
    for (int slot = 1; slot <= accessorySlots; ++slot)
        store.write(slotKey(slot), integerText(state.sacce[slot]));
    return store.sync();
}

bool savePlant(const PlantState& state, Store& store, bool replaceOld)
{
    if (replaceOld)
        store.clear();
    store.write(QStringLiteral("sname"), state.sname);
    store.write(QStringLiteral("sshape1"), integerText(state.sshape1));
    store.write(QStringLiteral("sshape2"), integerText(state.sshape2));
    store.write(QStringLiteral("days"), integerText(state.days));
    store.write(QStringLiteral("lastday"), dayText(state.lastday));
    store.write(QStringLiteral("swater"), integerText(state.swater));
    store.write(QStringLiteral("smode"), integerText(state.smode));
    store.write(QStringLiteral("sei"), integerText(state.sei));
    store.write(QStringLiteral("seiword"), integerText(state.seiword));
    return store.sync();
}

bool savePot(const PlantState& state, Store& store)
{
    store.write(QStringLiteral("sshape2"), integerText(state.sshape2));
    return store.sync();
}

bool saveBmpdir(const PlantState& state, Store& store)
{
    store.write(QStringLiteral("bmpdir"), state.bmpdir);
    return store.sync();
}

bool forgetBmpdir(Store& store)
{
    store.remove(QStringLiteral("bmpdir"));
    return store.sync();
}

bool deletePlant(Store& store)
{
    store.clear();
    return store.sync();
}
