#include "view_fixture.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

namespace {

// Dead keys and compose sequences reach the program as text composed by the desktop's input method,
// not as key presses: the book must hand them to the view like typed characters.
class InputMethodTest : public ViewTest {
  protected:
    InputMethodTest()
    {
        edit = new TEdit(form->WidePage);
        button = new QPushButton("&Go", form->WidePage);
        form->SetLayout(1);
        form->show();
        QApplication::setActiveWindow(form.get());
        edit->setFocus();
        form->OnKeyPress = [this](QObject*, char& key) {
            presses.push_back(key);
            if (key == consume)
                key = 0;
        };
    }
    // What the desktop sends when a sequence is complete.
    static void Commit(QObject* to, const QString& text)
    {
        QInputMethodEvent e;
        e.setCommitString(text);
        QApplication::sendEvent(to, &e);
    }
    TEdit* edit;
    QPushButton* button;
    std::string presses;
    char consume = '\x01';
};

TEST_F(InputMethodTest, AComposedLetterReachesTheViewOnceAndThenTheNameBox)
{
    Commit(edit, QString::fromUtf8("é"));
    Commit(edit, QString::fromUtf8("ü"));
    EXPECT_EQ(presses, "\xE9\xFC");
    EXPECT_EQ(edit->text(), QString::fromUtf8("éü"));
    EXPECT_EQ(edit->Text(), "\xE9\xFC");
    // Letters from plain keys go on as before.
    QTest::keyClick(edit, Qt::Key_N);
    EXPECT_EQ(presses, "\xE9\xFCn");
}

TEST_F(InputMethodTest, ALetterTheViewTakesDoesNotReachTheControl)
{
    consume = '\xF1';
    Commit(edit, QString::fromUtf8("añb"));
    EXPECT_EQ(presses, "a\xF1"
                       "b");
    EXPECT_EQ(edit->text(), "ab");
}

TEST_F(InputMethodTest, CharactersTheCodePageCannotHoldAreLeftOut)
{
    Commit(edit, QString::fromUtf8("aőb"));
    EXPECT_EQ(presses, "ab");
    EXPECT_EQ(edit->text(), "ab");
    Commit(edit, QString::fromUtf8("ő"));
    EXPECT_EQ(presses, "ab");
    EXPECT_EQ(edit->text(), "ab");
    // The same for a letter typed on a key of its own.
    for (const QChar c : QString::fromUtf8("cőd")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
    }
    EXPECT_EQ(edit->text(), "abcd");
}

TEST_F(InputMethodTest, EveryControlOfTheBookTakesComposedTextAndOnlyThose)
{
    button->setFocus();
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(button, &query);
    EXPECT_TRUE(query.value(Qt::ImEnabled).toBool());
    Commit(button, QString::fromUtf8("ç"));
    EXPECT_EQ(presses, "\xE7");

    // A window of its own is not the book's.
    QPushButton other("other");
    QInputMethodQueryEvent otherQuery(Qt::ImEnabled);
    QApplication::sendEvent(&other, &otherQuery);
    EXPECT_FALSE(otherQuery.value(Qt::ImEnabled).toBool());
}

TEST_F(InputMethodTest, TextStillBeingComposedIsNotAKey)
{
    QInputMethodEvent preedit(QString::fromUtf8("´"), {});
    QApplication::sendEvent(edit, &preedit);
    EXPECT_TRUE(presses.empty());
}

} // namespace
