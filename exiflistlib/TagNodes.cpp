#include "exiflistlib/TagNodes.h"

#include <cstdlib>
#include <cstring>

namespace exiflist {
namespace {

// A malloc'd copy of `elements` elements, or null when there is nothing to copy or no
// memory.
template <typename T> T* copyBuffer(const T* source, uint64_t elements) {
    size_t bytes = 0;
    if (source == nullptr || !checkedByteSize(elements, sizeof(T), &bytes) || bytes == 0)
        return nullptr;
    T* copy = static_cast<T*>(std::malloc(bytes));
    if (copy != nullptr)
        std::memcpy(copy, source, bytes);
    return copy;
}

} // namespace

bool isRationalType(uint16_t type) {
    return type == TIFF_TYPE_RATIONAL || type == TIFF_TYPE_SRATIONAL;
}

uint64_t numDataElementCount(uint16_t type, uint32_t count) {
    return isRationalType(type) ? uint64_t{count} * 2 : uint64_t{count};
}

bool checkedByteSize(uint64_t count, size_t elementSize, size_t* bytes) {
    return !__builtin_mul_overflow(count, elementSize, bytes);
}

void appendTagNode(ExifIfdTable* table, uint16_t tag, uint16_t type, uint32_t count,
                   uint32_t* numData, unsigned char* byteData) {
    auto* node = static_cast<ExifTagNode*>(std::calloc(1, sizeof(ExifTagNode)));
    if (table == nullptr || node == nullptr) {
        std::free(node);
        std::free(numData);
        std::free(byteData);
        return;
    }
    node->tag = tag;
    node->type = type;
    node->count = count;
    if (count == 0 || (numData == nullptr && byteData == nullptr)) {
        node->error = 1;
        std::free(numData);
        std::free(byteData);
    } else if (numData != nullptr) {
        node->numData = numData;
        std::free(byteData);
    } else {
        node->byteData = byteData;
    }

    ExifTagNode* last = table->firstNode;
    while (last != nullptr && last->next != nullptr)
        last = last->next;
    node->prev = last;
    if (last == nullptr)
        table->firstNode = node;
    else
        last->next = node;
}

} // namespace exiflist

void addTagNodeToIfd(ExifIfdTable* table, uint16_t tag, uint16_t type, uint32_t count,
                     const uint32_t* numData, const unsigned char* byteData) {
    using namespace exiflist;
    if (table == nullptr)
        return;
    uint32_t* numCopy = nullptr;
    unsigned char* byteCopy = nullptr;
    if (count != 0 && numData != nullptr)
        numCopy = copyBuffer(numData, numDataElementCount(type, count));
    else if (count != 0 && byteData != nullptr)
        byteCopy = copyBuffer(byteData, count);
    appendTagNode(table, tag, type, count, numCopy, byteCopy);
}

ExifTagNode* getTagNodePtrFromIfd(const ExifIfdTable* table, uint16_t tag) {
    if (table == nullptr)
        return nullptr;
    for (ExifTagNode* node = table->firstNode; node != nullptr; node = node->next) {
        if (node->tag == tag)
            return node;
    }
    return nullptr;
}

ExifTagNode* getTagInfo(ExifIfdTable* const* tableArray, int ifdType, uint16_t tag) {
    using namespace exiflist;
    if (tableArray == nullptr)
        return nullptr;
    const ExifIfdTable* table = nullptr;
    for (ExifIfdTable* const* entry = tableArray; *entry != nullptr && table == nullptr; ++entry) {
        if ((*entry)->ifdType == ifdType)
            table = *entry;
    }
    const ExifTagNode* found = getTagNodePtrFromIfd(table, tag);
    if (found == nullptr || found->count == 0)
        return nullptr;

    auto* copy = static_cast<ExifTagNode*>(std::calloc(1, sizeof(ExifTagNode)));
    if (copy == nullptr)
        return nullptr;
    copy->tag = found->tag;
    copy->type = found->type;
    copy->count = found->count;
    copy->error = found->error;
    if (found->numData != nullptr) {
        copy->numData = copyBuffer(found->numData, numDataElementCount(found->type, found->count));
        if (copy->numData == nullptr) {
            std::free(copy);
            return nullptr;
        }
    } else if (found->byteData != nullptr) {
        copy->byteData = copyBuffer(found->byteData, found->count);
        if (copy->byteData == nullptr) {
            std::free(copy);
            return nullptr;
        }
    }
    return copy;
}

int getIfdType(const ExifIfdTable* table) {
    return table == nullptr ? 0 : table->ifdType;
}

void freeTagNode(ExifTagNode* node) {
    if (node == nullptr)
        return;
    std::free(node->numData);
    std::free(node->byteData);
    std::free(node);
}

void freeIfdTable(ExifIfdTable* table) {
    if (table == nullptr)
        return;
    ExifTagNode* node = table->firstNode;
    while (node != nullptr) {
        ExifTagNode* next = node->next;
        freeTagNode(node);
        node = next;
    }
    std::free(table);
}

void freeIfdTableArray(ExifIfdTable** tableArray) {
    if (tableArray == nullptr)
        return;
    for (ExifIfdTable** entry = tableArray; *entry != nullptr; ++entry)
        freeIfdTable(*entry);
    std::free(tableArray);
}
