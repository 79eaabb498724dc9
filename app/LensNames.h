#pragma once

#include <QString>

// True when nothing but spaces (Unicode category Zs) and tabs is left after trimming
// both ends: such a name is not added to the list.
bool isBlankLensName(const QString& name);
