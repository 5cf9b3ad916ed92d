#include "form_view.h"
#include "view_fixture.h"

#include <QLabel>
#include <string>
#include <vector>

namespace {

// A view that writes down what happens to it, so the order of the framework's steps can be checked.
class RecordingView : public TFormView {
  public:
    RecordingView(std::vector<std::string>& log, std::string name) : log_(log), name_(std::move(name)) {}
    bool Prepare() override
    {
        log_.push_back(name_ + ".Prepare");
        if (refuseWith != 0)
            SetResult(refuseWith);
        return refuse;
    }
    void Load() override
    {
        TFormView::Load();
        log_.push_back(name_ + ".Load");
    }
    void Unload() override
    {
        log_.push_back(name_ + ".Unload");
        TFormView::Unload();
    }
    void KeyPressed(QObject* s, char& k) override
    {
        log_.push_back(name_ + ".Key " + std::string(1, k));
        TFormView::KeyPressed(s, k);
        if (consumeKeys)
            k = 0;
    }
    bool refuse = false;
    int refuseWith = 0;
    bool consumeKeys = false;

  private:
    std::vector<std::string>& log_;
    std::string name_;
};

using FormViewTest = ViewTest;

TEST_F(FormViewTest, SetResultClosesOnlyForNonZeroCodes)
{
    std::vector<std::string> log;
    RecordingView v(log, "v");
    v.Open();
    v.SetResult(0);
    EXPECT_TRUE(v.Active);
    v.SetResult(3);
    EXPECT_FALSE(v.Active);
    EXPECT_EQ(v.ResultCode, 3);
    EXPECT_EQ(CurrentView, nullptr);
}

TEST_F(FormViewTest, RefusedCloseResetsTheResultAndKeepsTheViewOpen)
{
    std::vector<std::string> log;
    RecordingView v(log, "v");
    v.OnCloseQuery = [](bool& cancel) { cancel = true; };
    v.Open();
    v.SetResult(3);
    EXPECT_TRUE(v.Active);
    EXPECT_EQ(v.ResultCode, 0);
    EXPECT_EQ(CurrentView, &v);
    v.OnCloseQuery = nullptr;
    bool cancel = false;
    v.Close(cancel);
}

TEST_F(FormViewTest, CloseOfAViewThatIsNotOpenLeavesCancelAsTheCallerSetIt)
{
    std::vector<std::string> log;
    RecordingView v(log, "v");
    bool cancel = true;
    v.Close(cancel);
    EXPECT_TRUE(cancel);
    EXPECT_TRUE(log.empty());
}

TEST_F(FormViewTest, RefusedPrepareMakesExecuteReturnTheCodeItSet)
{
    std::vector<std::string> log;
    RecordingView v(log, "v");
    v.refuse = true;
    v.refuseWith = 2;
    EXPECT_EQ(v.Execute(), 2);
    EXPECT_FALSE(v.Active);
    EXPECT_EQ(log, std::vector<std::string>{"v.Prepare"});
    EXPECT_EQ(platform.pump->passes, 0);
}

TEST_F(FormViewTest, ClosingAParentClosesLeftThenRightThenItselfThenReports)
{
    std::vector<std::string> log;
    RecordingView parent(log, "p"), left(log, "l"), right(log, "r");
    parent.LeftView = &left;
    parent.RightView = &right;
    parent.OnClosed = [&](TFormView*) {
        log.push_back(CurrentView == nullptr ? "closed, no current view" : "closed, still current");
    };
    parent.Open();
    EXPECT_EQ(CurrentView, &parent);
    EXPECT_TRUE(left.IsPart);
    log.clear();
    bool cancel = false;
    parent.Close(cancel);
    EXPECT_EQ(log, (std::vector<std::string>{"l.Unload", "r.Unload", "p.Unload", "closed, no current view"}));
}

TEST_F(FormViewTest, ParentLoadsBeforeItsPartsAndPartsSkipPrepare)
{
    std::vector<std::string> log;
    RecordingView parent(log, "p"), left(log, "l"), right(log, "r");
    parent.LeftView = &left;
    parent.RightView = &right;
    parent.Open();
    EXPECT_EQ(log, (std::vector<std::string>{"p.Prepare", "p.Load", "l.Load", "r.Load"}));
    bool cancel = false;
    parent.Close(cancel);
}

TEST_F(FormViewTest, KeysGoToTheLeftPartThenTheRightEvenWhenConsumed)
{
    std::vector<std::string> log;
    RecordingView parent(log, "p"), left(log, "l"), right(log, "r");
    parent.LeftView = &left;
    parent.RightView = &right;
    left.consumeKeys = true;
    parent.Open();
    log.clear();
    char key = 'x';
    parent.TFormView::KeyPressed(nullptr, key);
    // The right part is called after the left part zeroed the key, and sees the zero.
    EXPECT_EQ(log, (std::vector<std::string>{"l.Key x", std::string("r.Key ") + '\0'}));
    // A part does not forward keys of its own.
    log.clear();
    RecordingView grandchild(log, "g");
    left.LeftView = &grandchild;
    key = 'y';
    left.TFormView::KeyPressed(nullptr, key);
    EXPECT_TRUE(log.empty());
    left.LeftView = nullptr;
    bool cancel = false;
    parent.Close(cancel);
}

TEST_F(FormViewTest, BorrowedControlsReturnInOrderWithTheirOwnVisibility)
{
    QWidget storage;
    auto* a = new QLabel("a", &storage);
    auto* b = new QLabel("b", &storage);
    auto* c = new QLabel("c", &storage);
    b->hide();
    form->show();
    TFormView v;
    v.Open();
    v.BorrowChildren(&storage, form->WidePage);
    EXPECT_EQ(a->parentWidget(), form->WidePage);
    EXPECT_TRUE(storage.findChildren<QLabel*>().isEmpty());
    EXPECT_FALSE(a->isHidden());
    EXPECT_TRUE(b->isHidden());
    bool cancel = false;
    v.Close(cancel);
    const QList<QLabel*> back = storage.findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    ASSERT_EQ(back.size(), 3);
    EXPECT_EQ(back[0], a);
    EXPECT_EQ(back[1], b);
    EXPECT_EQ(back[2], c);
    EXPECT_FALSE(a->isHidden());
    EXPECT_TRUE(b->isHidden());
    // Showing the view again borrows them again.
    v.Open();
    v.BorrowChildren(&storage, form->WidePage);
    EXPECT_EQ(c->parentWidget(), form->WidePage);
    v.Close(cancel);
}

TEST_F(FormViewTest, BorrowingWithoutControlOrPageDoesNothing)
{
    TFormView v;
    QLabel l;
    v.BorrowControl(nullptr, form->WidePage);
    v.BorrowControl(&l, nullptr);
    EXPECT_TRUE(v.Borrowed.empty());
    EXPECT_TRUE(v.OldParents.empty());
}

TEST_F(FormViewTest, ExecuteAfterTerminationRunsOnePassAndLeavesTheViewOpen)
{
    platform.pump->terminated = true;
    TFormView v;
    EXPECT_EQ(v.Execute(), 0);
    EXPECT_EQ(platform.pump->passes, 1);
    EXPECT_TRUE(v.Active);
    bool cancel = false;
    v.Close(cancel);
}

TEST_F(FormViewTest, ExecuteRunsUntilAHandlerClosesTheView)
{
    TFormView v;
    int passes = 0;
    platform.pump->driver = [&] {
        if (++passes == 5)
            v.SetResult(7);
    };
    EXPECT_EQ(v.Execute(), 7);
    EXPECT_EQ(passes, 5);
    EXPECT_FALSE(v.Executing);
}

TEST_F(FormViewTest, DestroyingAnActiveViewWarnsAndCloses)
{
    {
        TFormView v;
        v.Open();
    }
    ASSERT_EQ(platform.dialogs->shown.size(), 1u);
    EXPECT_EQ(platform.dialogs->shown[0].text, "Destroying an active view!");
    EXPECT_EQ(CurrentView, nullptr);
}

TEST_F(FormViewTest, CloseCurrentViewReportsARefusal)
{
    EXPECT_FALSE(CloseCurrentView());
    TFormView v;
    v.OnCloseQuery = [](bool& cancel) { cancel = true; };
    v.Open();
    EXPECT_TRUE(CloseCurrentView());
    v.OnCloseQuery = nullptr;
    EXPECT_FALSE(CloseCurrentView());
    EXPECT_FALSE(v.Active);
}

} // namespace
