// The constants kept per workingPlaces value: each equals the value made
// afresh at that precision, whatever precisions were used before and after,
// also once more precisions have been seen than the list keeps.
#include "function_test_support.h"
#include "logarithm.h"
#include "working_places_constants.h"

#include <vector>

namespace {

// ln 10 by the logarithm's steps with the given e and e^0.2: the reduction,
// workingPlaces + 1 series terms, then (eFactors + fifthFactors · .2) + sum.
DecimalNumber lnTenFrom(const DecimalNumber& e, const DecimalNumber& fifth) {
    const LogReduction r = reduceLogArgument(DecimalNumber::fromInt(10), e, fifth);
    const DecimalNumber u = r.reduced.subtract(DecimalNumber::fromInt(1));
    DecimalNumber p = u;
    DecimalNumber sum = u;
    for (int k = 2; k < workingPlaces + 2; ++k) {
        const DecimalNumber f = DecimalNumber::fromInt(k - 1).divide(DecimalNumber::fromInt(k));
        DecimalNumber term = p.multiply(u).multiply(f);
        term.negate();
        sum = sum.add(term);
        p = term;
    }
    return DecimalNumber::fromInt(r.eFactors)
        .add(DecimalNumber::fromInt(r.fifthFactors).multiply(DecimalNumber::fromText(".2")))
        .add(sum);
}

struct KeptConstantsCase {
    const char* label;
    std::vector<int> placesInOrder;
};

class KeptConstants : public WithWorkingPlaces<testing::TestWithParam<KeptConstantsCase>> {};

TEST_P(KeptConstants, EqualTheFreshValues) {
    for (int places : GetParam().placesInOrder) {
        workingPlaces = places;
        const DecimalNumber e = eAtWorkingPlaces();
        const DecimalNumber fifth = eToTheFifthAtWorkingPlaces();
        EXPECT_EQ(describe(e), describe(DecimalNumber::fromInt(1).exponential())) << places;
        EXPECT_EQ(describe(fifth), describe(DecimalNumber::fromText(".2").exponential())) << places;
        EXPECT_EQ(describe(lnTenAtWorkingPlaces()), describe(lnTenFrom(e, fifth))) << places;
        EXPECT_EQ(workingPlaces, places);
    }
}

std::vector<int> manyPrecisions() {
    std::vector<int> order;
    for (int places = 3; places < 80; places += 2) order.push_back(places);
    order.push_back(15);
    order.push_back(54);
    return order;
}

const KeptConstantsCase kKeptConstants[] = {
    {"Interleaved", {15, 54, 15, 21, 54, 3, 15}},
    {"MoreThanTheListKeeps", manyPrecisions()},
};

INSTANTIATE_TEST_SUITE_P(Logarithm, KeptConstants, testing::ValuesIn(kKeptConstants), CaseLabel());

}  // namespace
