#pragma once

#include <QByteArray>

// Whether a WAV file holds all it declares: the RIFF/WAVE header, a format chunk,
// and a data chunk that lies wholly inside the file. Qt's decoder waits forever
// for the missing bytes of a cut-off file instead of failing, so such a file is
// turned away before it gets there.
bool isCompleteWave(const QByteArray& bytes);
