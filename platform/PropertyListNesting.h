#pragma once

#include <QByteArray>

// The property-list library parses, converts and frees nested values recursively,
// so a file nesting arrays and dictionaries some hundred thousand levels deep runs
// it out of stack. This reads the nesting of XML and binary property lists without
// recursion, before the library sees them.
namespace PropertyListNesting {

// Whether no array or dictionary lies more than maxDepth containers deep. A binary
// list whose structure cannot be followed answers true: the library refuses it.
bool withinDepth(const QByteArray& bytes, int maxDepth);

} // namespace PropertyListNesting
