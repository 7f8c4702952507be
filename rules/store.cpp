#include "store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QUtf8StringView>
#include <cmath>

namespace {
const QString section = QStringLiteral("setting");
// Far above any store the game writes (a name of a million letters included).
constexpr qint64 largestStore = 8 << 20;

QString sectionKey(const QString& key)
{
    return section + QLatin1Char('/') + key;
}

QString slotKey(int slot)
{
    return QStringLiteral("sacce%1").arg(slot);
}

enum class Kind { Absent, Regular, Other };

/* what lies at path, links followed; a dangling link is no absence */
Kind kindOf(const QString& path)
{
    const QFileInfo info(path);
    if (info.isFile())
        return Kind::Regular;
    return info.exists() || info.isSymLink() ? Kind::Other : Kind::Absent;
}

Store::Stamp stampOf(const QString& path)
{
    const QFileInfo info(path);
    return {info.exists(), info.size(), info.lastModified(), info.metadataChangeTime()};
}

// What the game writes is UTF-8 text; anything else (garbage, UTF-16, a store
// far too large) is no store of its own. A byte-order mark is allowed.
bool holdsText(const QString& path)
{
    QFile file(path);
    // A file that will not open keeps the error of its opening.
    const QByteArray bytes =
        file.open(QIODevice::ReadOnly) ? file.read(largestStore + 1) : QByteArray();
    if (bytes.size() > largestStore || file.error() != QFileDevice::NoError)
        return false;
    return !bytes.contains('\0') && QUtf8StringView(bytes).isValidUtf8();
}

/* the new name, never over another file; empty when it cannot be moved */
QString keepAside(const QString& path)
{
    for (int n = 1; n <= 100; ++n) {
        const QString aside = path + (n == 1 ? QStringLiteral(".unreadable")
                                             : QStringLiteral(".unreadable-%1").arg(n));
        if (QFile::rename(path, aside))
            return aside;
        if (kindOf(aside) == Kind::Absent)
            break;
    }
    return {};
}
} // namespace

QString storeFileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + QCoreApplication::organizationName() + QLatin1Char('/') +
           QCoreApplication::applicationName() + QStringLiteral(".conf");
}

Store::Store() : Store(storeFileName()) {}

Store::Store(const QString& fileName) : path(fileName)
{
    // Never opened unless it is a file: reading a FIFO waits for ever, and a save
    // would rename a new file over a device that a link points to.
    const Kind kind = kindOf(path);
    if (kind == Kind::Other) {
        opened = Opening::Refused;
        return;
    }
    // Kept, not overwritten: it may be a plant the user can still save by hand.
    if (kind == Kind::Regular && !holdsText(path)) {
        aside = keepAside(path);
        opened = aside.isEmpty() ? Opening::Refused : Opening::KeptAside;
        if (aside.isEmpty())
            return;
    }
    reader = std::make_unique<QSettings>(path, QSettings::IniFormat);
    seen = stampOf(path);
}

QString Store::read(const QString& key, const QString& fallback) const
{
    if (!reader)
        return fallback;
    const QVariant value = reader->value(sectionKey(key));
    if (!value.isValid())
        return fallback;
    // A hand-edited file may hold an unquoted list; read it back as the text it was.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void Store::write(const QString& key, const QString& text)
{
    pending.push_back(
        [key = sectionKey(key), text](QSettings& settings) { settings.setValue(key, text); });
}

void Store::remove(const QString& key)
{
    pending.push_back([key = sectionKey(key)](QSettings& settings) { settings.remove(key); });
}

void Store::clear()
{
    pending.push_back([](QSettings& settings) { settings.remove(section); });
}

bool Store::sync()
{
    const auto changes = std::exchange(pending, {});
    if (opened == Opening::Refused || kindOf(path) == Kind::Other)
        return false;
    // QSettings keeps the first error it meets, a complaint about the format of
    // what it read included (a byte-order mark is one). One object reads, so that
    // the status of the next tells of this write alone.
    QSettings(path, QSettings::IniFormat).allKeys();
    QSettings writer(path, QSettings::IniFormat);
    for (const auto& change : changes)
        change(writer);
    writer.sync();
    if (writer.status() != QSettings::NoError)
        return false;
    seen = stampOf(path);
    return true;
}

bool Store::changedBehindItsBack() const
{
    return stampOf(path) != seen;
}

void removeInterruptedSaves(const QString& fileName)
{
    // The writer works in a temporary file beside the file a link leads to, and
    // locks beside the name itself.
    const QFileInfo target(QFileInfo(fileName).canonicalFilePath().isEmpty()
                               ? fileName
                               : QFileInfo(fileName).canonicalFilePath());
    const QRegularExpression temporary(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const auto filesOnly = QDir::Files | QDir::Hidden | QDir::NoSymLinks;
    for (const QString& name : target.dir().entryList(filesOnly))
        if (temporary.match(name).hasMatch())
            target.dir().remove(name);
    const QFileInfo writersLock(fileName + QStringLiteral(".lock"));
    if (writersLock.isFile() && !writersLock.isSymLink())
        QFile::remove(writersLock.filePath());
}

QString integerText(long long value)
{
    return QString::number(value);
}

QString dayText(double day)
{
    // Fixed notation: whole days print as plain integers at any size, never with an exponent;
    // any other value survives a reading back.
    return QLocale::c().toString(day, 'f', QLocale::FloatingPointShortest);
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

namespace {
void writePlayKeys(const PlantState& state, Store& store, std::int32_t shownColour)
{
    store.write(QStringLiteral("ai"), integerText(state.ai));
    store.write(QStringLiteral("seiword"), integerText(state.seiword));
    store.write(QStringLiteral("bcolor"), integerText(shownColour));
    store.write(QStringLiteral("days"), integerText(state.days));
    store.write(QStringLiteral("lastday"), dayText(state.lastday));
    store.write(QStringLiteral("swater"), integerText(state.swater));
    for (int slot = 1; slot <= accessorySlots; ++slot)
        store.write(slotKey(slot), integerText(state.sacce[slot]));
}

void writeNewbornKeys(const PlantState& state, Store& store)
{
    store.write(QStringLiteral("sname"), state.sname);
    store.write(QStringLiteral("sshape1"), integerText(state.sshape1));
    store.write(QStringLiteral("sshape2"), integerText(state.sshape2));
    store.write(QStringLiteral("days"), integerText(state.days));
    store.write(QStringLiteral("lastday"), dayText(state.lastday));
    store.write(QStringLiteral("swater"), integerText(state.swater));
    store.write(QStringLiteral("smode"), integerText(state.smode));
    store.write(QStringLiteral("sei"), integerText(state.sei));
    store.write(QStringLiteral("seiword"), integerText(state.seiword));
}

// Memory holds the truth: a store that lost the plant being played (removed, or
// replaced by another file) gets it back whole before the save's own keys.
void restoreIfLost(const PlantState& state, Store& store)
{
    if (state.smode == 0 || !store.changedBehindItsBack())
        return;
    writeNewbornKeys(state, store);
    writePlayKeys(state, store, state.bcolor);
    if (!state.bmpdir.isEmpty())
        store.write(QStringLiteral("bmpdir"), state.bmpdir);
}
} // namespace

bool savePlayState(const PlantState& state, Store& store, std::int32_t shownColour)
{
    restoreIfLost(state, store);
    writePlayKeys(state, store, shownColour);
    return store.sync();
}

bool savePlant(const PlantState& state, Store& store, bool replaceOld)
{
    if (replaceOld)
        store.clear();
    writeNewbornKeys(state, store);
    return store.sync();
}

bool savePot(const PlantState& state, Store& store)
{
    restoreIfLost(state, store);
    store.write(QStringLiteral("sshape2"), integerText(state.sshape2));
    return store.sync();
}

bool saveBmpdir(const PlantState& state, Store& store)
{
    restoreIfLost(state, store);
    store.write(QStringLiteral("bmpdir"), state.bmpdir);
    return store.sync();
}

bool forgetBmpdir(const PlantState& state, Store& store)
{
    restoreIfLost(state, store);
    store.remove(QStringLiteral("bmpdir"));
    return store.sync();
}

bool deletePlant(Store& store)
{
    store.clear();
    return store.sync();
}
