#pragma once

#include <QStringList>

// Name filters for the open dialog: one filter offering exactly the photograph
// extensions, in lower and in upper case.
QStringList openDialogNameFilters();
