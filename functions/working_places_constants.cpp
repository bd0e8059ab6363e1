// The kept constants: a short list of entries, one per workingPlaces value
// seen, each constant made on its first use. The list is emptied when full,
// so the memory held stays small whatever precisions come and go.
#include "working_places_constants.h"

#include <cstddef>
#include <vector>

namespace {

constexpr std::size_t kMostEntries = 32;

struct ConstantsEntry {
    int places = 0;
    bool hasE = false;
    bool hasFifth = false;
    bool hasLnTen = false;
    DecimalNumber e;
    DecimalNumber eToTheFifth;
    DecimalNumber lnTen;
};

std::vector<ConstantsEntry> entries;

ConstantsEntry& entryForWorkingPlaces() {
    for (ConstantsEntry& entry : entries) {
        if (entry.places == workingPlaces) return entry;
    }
    if (entries.size() >= kMostEntries) entries.clear();
    ConstantsEntry& entry = entries.emplace_back();
    entry.places = workingPlaces;
    return entry;
}

// The constant of one entry field, made with `make` when missing. The value
// is made before the entry is looked up again, because making it may add
// entries (ln 10 needs e and e^0.2, exponential changes workingPlaces).
template <typename Make>
DecimalNumber kept(bool ConstantsEntry::*has, DecimalNumber ConstantsEntry::*value, Make make) {
    {
        const ConstantsEntry& entry = entryForWorkingPlaces();
        if (entry.*has) return entry.*value;
    }
    const DecimalNumber made = make();
    ConstantsEntry& entry = entryForWorkingPlaces();
    entry.*value = made;
    entry.*has = true;
    return made;
}

}  // namespace

DecimalNumber eAtWorkingPlaces() {
    return kept(&ConstantsEntry::hasE, &ConstantsEntry::e, [] { return DecimalNumber::fromInt(1).exponential(); });
}

DecimalNumber eToTheFifthAtWorkingPlaces() {
    return kept(&ConstantsEntry::hasFifth, &ConstantsEntry::eToTheFifth,
                [] { return DecimalNumber::fromText(".2").exponential(); });
}

DecimalNumber lnTenAtWorkingPlaces() {
    return kept(&ConstantsEntry::hasLnTen, &ConstantsEntry::lnTen,
                [] { return DecimalNumber::fromInt(10).naturalLog(); });
}
