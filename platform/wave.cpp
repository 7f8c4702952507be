#include "wave.h"

#include <QtEndian>

namespace {
constexpr qsizetype riffHeaderSize = 12;
constexpr qsizetype chunkHeaderSize = 8;
constexpr quint32 pcmFormatSize = 16;

quint32 littleEndianAt(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}
} // namespace

bool isCompleteWave(const QByteArray& bytes)
{
    if (bytes.size() < riffHeaderSize || !bytes.startsWith("RIFF") ||
        bytes.mid(8, 4) != QByteArrayLiteral("WAVE"))
        return false;
    bool sawFormat = false;
    qsizetype offset = riffHeaderSize;
    while (offset + chunkHeaderSize <= bytes.size()) {
        const QByteArray id = bytes.mid(offset, 4);
        const qint64 size = littleEndianAt(bytes, offset + 4);
        const qint64 end = offset + chunkHeaderSize + size;
        if (end > bytes.size())
            return false;
        if (id == "fmt ")
            sawFormat = size >= pcmFormatSize;
        else if (id == "data")
            return sawFormat;
        // Chunks start on even offsets.
        offset = end + (size & 1);
    }
    return false;
}
