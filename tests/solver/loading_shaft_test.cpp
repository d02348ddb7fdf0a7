#include <gtest/gtest.h>

#include <string>

#include "fixtures.h"
#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

const NumberLocale kGreek = NumberLocale::greek();

using testing::workedResults;

double head(const DiffuserResults& r, const std::string& length, const std::string& depth) {
    const Num h = loadingShaftHead(r, length, depth, kGreek);
    EXPECT_TRUE(h.ok());
    return h.value();
}

TEST(LoadingShaft, HeadFromTheLastRiser) {
    const DiffuserResults& r = workedResults();
    const double energy = r.specific_energy[13];
    EXPECT_EQ(head(r, "0", "0"), energy);
    // One metre more depth adds the buoyancy head Δρ/ρ.
    EXPECT_NEAR(head(r, "0", "1") - head(r, "0", "0"), 0.0307, 1e-15);
    // The friction term grows with the length alone.
    const double friction = head(r, "1000", "0") - energy;
    EXPECT_NEAR(head(r, "2000", "0") - energy, 2 * friction, 1e-12);
    // In the order of the hand calculation, to the bit.
    const double v = r.v_diffuser[13];
    EXPECT_EQ(head(r, "1000", "2"), v * v * (1000 * r.f_riser[13]) / (19.614 * r.d_pipe[13]) * 1.1 +
                                        (2 * 0.0307 + energy));
    // The grouping point of a Greek setting: 12.5 reads 125.
    EXPECT_EQ(head(r, "12.5", "0"), head(r, "125", "0"));
    EXPECT_EQ(formatPattern(head(r, "0", "0"), "0.000", kGreek), "1,123");
}

TEST(LoadingShaft, CasesWithoutAHead) {
    struct Case {
        const char* name;
        int risers;
        std::string length;
        std::string depth;
        std::string drho;
        double pipe;
        Fault fault;
    };
    const Case cases[] = {
        {"no Solve yet", 0, "100", "10", "0,0307", 0.5, Fault::index_outside},
        {"more risers than stored", 102, "100", "10", "0,0307", 0.5, Fault::index_outside},
        {"empty length", 14, "", "10", "0,0307", 0.5, Fault::unreadable_text},
        {"unreadable depth", 14, "100", "δέκα", "0,0307", 0.5, Fault::unreadable_text},
        {"unreadable density difference", 14, "100", "10", "x", 0.5, Fault::unreadable_text},
        {"pipe diameter zero", 14, "100", "10", "0,0307", 0.0, Fault::division_by_zero},
        {"overflow", 14, "1E305", "10", "0,0307", 0.5, Fault::overflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DiffuserResults r = workedResults();
        r.n_risers = static_cast<std::int16_t>(c.risers);
        r.drho = c.drho;
        r.d_pipe[13] = c.pipe;
        r.v_diffuser[13] = 1E5;
        const Num h = loadingShaftHead(r, c.length, c.depth, kGreek);
        EXPECT_FALSE(h.ok());
        EXPECT_EQ(h.fault(), c.fault);
    }
}

}  // namespace
}  // namespace thalmuro
