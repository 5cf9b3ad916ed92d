#include "chapter_view.h"
#include "view_fixture.h"

#include <QTest>

namespace {

// A part view that records the keys it receives.
class KeyPart : public TFormView {
  public:
    KeyPart(std::string& log, char tag) : log_(log), tag_(tag) {}
    void KeyPressed(QObject* s, char& k) override
    {
        TFormView::KeyPressed(s, k);
        log_ += tag_;
        log_ += k;
    }

  private:
    std::string& log_;
    char tag_;
};

class ChapterViewTest : public ViewTest {
  protected:
    ChapterViewTest()
    {
        chapter.LeftView = &left;
        chapter.RightView = &right;
        form->SetLayout(2);
        form->show();
    }
    TChapterView chapter;
    std::string keys;
    KeyPart left{keys, 'L'}, right{keys, 'R'};
};

TEST_F(ChapterViewTest, RightPartFinishingEndsTheSpreadWithItsCode)
{
    platform.pump->driver = [&] {
        if (chapter.Active)
            right.SetResult(3);
    };
    EXPECT_EQ(chapter.Execute(), 3);
    EXPECT_FALSE(left.Active);
    EXPECT_FALSE(right.Active);
    EXPECT_FALSE(chapter.Active);
    EXPECT_FALSE(right.OnClosed); // the hook is removed once used
    EXPECT_FALSE(form->OnKeyDown);
}

TEST_F(ChapterViewTest, ClosingTheWindowEndsTheSpreadWithZero)
{
    form->OnClose = [](QObject*, bool& cancel) { cancel = CloseCurrentView(); };
    platform.pump->driver = [&] {
        if (chapter.Active)
            form->close();
    };
    EXPECT_EQ(chapter.Execute(), 0);
    EXPECT_FALSE(chapter.Active);
}

TEST_F(ChapterViewTest, KeysReachLeftThenRightOnlyWhileShown)
{
    platform.pump->driver = [&] {
        if (keys.empty())
            QTest::keyClick(form.get(), Qt::Key_Q);
        else
            right.SetResult(1);
    };
    chapter.Execute();
    EXPECT_EQ(keys, "LqRq");
    keys.clear();
    QTest::keyClick(form.get(), Qt::Key_W);
    EXPECT_EQ(keys, "");
}

TEST_F(ChapterViewTest, RightPartClosingWithZeroLeavesTheSpreadOpen)
{
    chapter.Open();
    bool cancel = false;
    right.Close(cancel);
    EXPECT_TRUE(chapter.Active);
    EXPECT_TRUE(left.Active);
    chapter.Close(cancel);
    EXPECT_FALSE(left.Active);
}

} // namespace
