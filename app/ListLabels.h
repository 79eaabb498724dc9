#pragma once

#include "label/LabelLayout.h"
#include "label/TapeLength.h"
#include "printing/PrintSetup.h"

#include <memory>
#include <vector>

class PhotoList;

// The labels of every listed photograph that has one, in list order, each laid out
// with its row's options: what Print All and Export All send. Each label is named by
// its photograph's file name; the entries left out (not readable, or still being read)
// are named with the reason, and so is each text a label shows shortened.
struct ListLabels {
    std::vector<std::unique_ptr<LabelLayout>> layouts;
    std::vector<LabelLength> lengths;
    QStringList leftOut;
    // The texts the labels show shortened, one notice each.
    QStringList shortened;

    // The labels for the print path; valid while this holds its layouts.
    std::vector<PrintSetup::Label> printable() const;
};

ListLabels layOutList(const PhotoList& list);
