#pragma once

#include "FakeControls.h"
#include "support/NullControls.h"

#include "helpwindow/Form2.h"
#include "mainwindow/Form1.h"
#include "platform/RandomSource.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace corvanta::test {

// A main window shown on the offscreen platform, with a silent media control, a standing clock
// and a seeded random source. Any help window it opened is closed afterwards.
class ShownForm1 : public ::testing::Test {
protected:
    explicit ShownForm1(std::uint64_t seed)
        : random(seed)
    {
    }

    void SetUp() override
    {
        form = std::make_unique<Form1>(mmControl1, random, clock);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override
    {
        CloseHelpWindow();
        form.reset();
    }

    ListMediaControl mmControl1;
    TimeMixedRandom random;
    FakeClock clock;
    std::unique_ptr<Form1> form;
};

} // namespace corvanta::test
