#pragma once

#include "printing/LabelPage.h"

#include <QSizeF>

#include <cstddef>
#include <functional>
#include <variant>
#include <vector>

// The pages of one print job of several labels: one page per label, each the page its
// own label needs (on a tape printer as long as that label), in the labels' order,
// and each further copy the whole set again, so that the printer's own cut and chain
// options fall between labels as they do between single labels.
namespace JobPages {

struct Page {
    // The index of the label the page carries.
    std::size_t label = 0;
    LabelPage page;
};

// The first label that cannot be printed, and why.
struct Unprintable {
    std::size_t label = 0;
    PageProblem problem = PageProblem::NoLabelMedium;
};

// The page a label of a size in points takes on the job's queue or file.
using PageFor = std::function<std::variant<LabelPage, PageProblem>(QSizeF)>;

// The job's pages for labels of these sizes, copies times over; nothing when any
// label cannot be printed, so that a job is never sent with labels missing.
std::variant<std::vector<Page>, Unprintable> plan(const std::vector<QSizeF>& labelSizes, int copies,
                                                  const PageFor& pageFor);

// True when the pages are not all of one size.
bool sizesDiffer(const std::vector<Page>& pages);

// The smallest printed scale of the pages: below 1 when a label had to shrink.
double smallestScale(const std::vector<Page>& pages);

// The pages in runs of one size, in their order.
std::vector<std::vector<Page>> runsOfOneSize(const std::vector<Page>& pages);

} // namespace JobPages
