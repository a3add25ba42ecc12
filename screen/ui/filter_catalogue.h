// Brevant Dira — the filters this edition shows disabled on the filter dialog.
#pragma once

#include <vector>

namespace brevant {

// One disabled filter: its check box, the rest of its sentence and its help
// button. `tail` lists the controls after the check box, split by '|': "#" is
// a number field, "@A/B" a list of choices, anything else a label.
struct CatalogueRow {
    const char* caption;
    const char* tail;
    int button;        // SpeedButtonN
    const char* topic; // nullptr: the button has no action
};

// One sub-page holding one group box; an empty group caption draws no title.
struct CataloguePage {
    const char* title;
    const char* group;
    std::vector<CatalogueRow> rows;
};

// The sub-pages of "Technical Analysis 1" after "Basic", of "Technical
// Analysis 2" and of "Pattern Analysis", in tab order.
const std::vector<CataloguePage>& Technical1Catalogue();
const std::vector<CataloguePage>& Technical2Catalogue();
const std::vector<CataloguePage>& PatternCatalogue();

} // namespace brevant
