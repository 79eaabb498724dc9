#pragma once

#include <QByteArray>

#include <cstddef>
#include <vector>

// The length and offset fields of a photograph's container and directories: JPEG
// segment lengths, the TIFF header's first-directory offset, each directory's entry
// count and next-directory offset, each entry's type, count and value or offset,
// Photoshop section and resource lengths. Found by a walker of its own, independent
// of the reader under test, so that the sweep can aim its mutations at them.
struct StructureField {
    std::size_t offset;
    int width;      // 2 or 4 bytes
    bool bigEndian; // the byte order the field is stored in
};

std::vector<StructureField> structureFields(const QByteArray& bytes);

// Stores value into the field, truncated to its width, in its byte order.
void writeField(QByteArray& bytes, const StructureField& field, quint32 value);
