#pragma once
#include "book_form.h"
#include "games_stg.h"
#include "scratch_dir.h"
#include "test_platform.h"

#include <gtest/gtest.h>
#include <memory>

// A book window and the games storage form over the test doubles, in a scratch program folder.
class ViewTest : public ::testing::Test {
  protected:
    ViewTest()
    {
        form = std::make_unique<TBookForm>();
        stg = std::make_unique<TGamesStg>();
    }
    ~ViewTest() override
    {
        stg.reset();
        form.reset();
    }
    TestPlatform platform;
    ScratchDir folder;
    std::unique_ptr<TBookForm> form;
    std::unique_ptr<TGamesStg> stg;
};
