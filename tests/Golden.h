#pragma once
// What a test saw, compared with its golden file in tests/data. With CORVANTA_UPDATE_GOLDEN=1 the test writes the file
// instead and fails: the change is then read line by line, like code, before it is committed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

inline void expectGolden(const std::string& fileName, const std::string& seen)
{
    const std::string path = std::string(CORVANTA_TEST_DATA) + "/" + fileName;
    if (std::getenv("CORVANTA_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path) << seen;
        ADD_FAILURE() << "wrote " << path
                      << "; read the change, then run the test again without CORVANTA_UPDATE_GOLDEN";
        return;
    }
    std::ostringstream golden;
    golden << std::ifstream(path).rdbuf();
    EXPECT_EQ(seen, golden.str()) << "the run differs from " << path;
}
