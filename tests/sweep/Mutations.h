#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// One input of the sweep: a name for the report and its bytes.
struct SweepFile {
    QString name;
    QByteArray bytes;
};

// count damaged variants of the base files, the same for the same seed everywhere:
// bytes flipped in the metadata region, the file truncated, or a length or offset
// field (see StructureFields.h) set to 0, 0xFFFF or 0xFFFFFFFF. Truncation keeps at
// least minimumLength bytes. The bases are taken in turn.
std::vector<SweepFile> mutations(const std::vector<SweepFile>& bases, int count, quint32 seed,
                                 qsizetype minimumLength);
