#include "support/pixel_compare.h"

#include <gtest/gtest.h>

#include <cstdlib>

void ExpectPixelsClose(const Pixmap& got, const Pixmap& want, int tolerance, const std::string& what) {
    ASSERT_EQ(got.w, want.w) << what;
    ASSERT_EQ(got.rgba.size(), want.rgba.size()) << what;
    int worst = 0;
    std::size_t differing = 0, first = 0;
    for (std::size_t i = 0; i < want.rgba.size(); ++i) {
        const int d = std::abs(got.rgba[i] - want.rgba[i]);
        if (d > worst) {
            worst = d;
            first = i;
        }
        if (d > 0) ++differing;
    }
    const std::size_t p = first / 4, w = static_cast<std::size_t>(want.w > 0 ? want.w : 1);
    EXPECT_LE(worst, tolerance) << what << (what.empty() ? "" : ": ") << "pixel " << p % w << "," << p / w
                                << " channel " << first % 4 << " is " << int(got.rgba[first])
                                << " instead of " << int(want.rgba[first]) << "; " << differing
                                << " channels differ";
}
