#pragma once
// Rows of a value-parameterised test carry their own name, so that the test
// list names the row that failed.
#include <gtest/gtest.h>

#include <string>

namespace tarvo::test {

struct NaamVanGeval {
  template <typename Geval>
  std::string operator()(const ::testing::TestParamInfo<Geval>& info) const {
    return info.param.naam;
  }
};

}  // namespace tarvo::test

// INSTANTIATE_TEST_SUITE_P over a table whose rows have a member `naam`.
#define TARVO_GEVALLEN(Suite, tabel) \
  INSTANTIATE_TEST_SUITE_P(Tabel, Suite, ::testing::ValuesIn(tabel), ::tarvo::test::NaamVanGeval())
