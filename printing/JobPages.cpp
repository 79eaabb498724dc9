#include "printing/JobPages.h"

#include <algorithm>

namespace JobPages {

std::variant<std::vector<Page>, Unprintable> plan(const std::vector<QSizeF>& labelSizes, int copies,
                                                  const PageFor& pageFor) {
    std::vector<Page> set;
    set.reserve(labelSizes.size());
    for (std::size_t label = 0; label < labelSizes.size(); ++label) {
        auto page = pageFor(labelSizes[label]);
        if (const PageProblem* problem = std::get_if<PageProblem>(&page))
            return Unprintable{label, *problem};
        set.push_back({label, std::get<LabelPage>(std::move(page))});
    }
    std::vector<Page> pages;
    pages.reserve(set.size() * static_cast<std::size_t>(std::max(copies, 1)));
    for (int copy = 0; copy < std::max(copies, 1); ++copy)
        pages.insert(pages.end(), set.begin(), set.end());
    return pages;
}

bool sizesDiffer(const std::vector<Page>& pages) {
    return std::any_of(pages.begin(), pages.end(),
                       [&](const Page& page) { return page.page.size != pages.front().page.size; });
}

double smallestScale(const std::vector<Page>& pages) {
    double scale = 1.0;
    for (const Page& page : pages)
        scale = std::min(scale, page.page.scale);
    return scale;
}

std::vector<std::vector<Page>> runsOfOneSize(const std::vector<Page>& pages) {
    std::vector<std::vector<Page>> runs;
    for (const Page& page : pages) {
        if (runs.empty() || runs.back().back().page.size != page.page.size)
            runs.emplace_back();
        runs.back().push_back(page);
    }
    return runs;
}

} // namespace JobPages
