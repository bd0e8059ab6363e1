// Names parameterized test cases after their `label` field, so a failure
// reads Grammar/ParserTest.ShowsAnswer/MissingCloseParenthesis.
#pragma once

#include <gtest/gtest.h>

#include <string>

struct CaseLabel {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return info.param.label;
    }
};
