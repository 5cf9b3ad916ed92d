#include "production_services.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The text a real message box shows for a program text, read while the box is open.
QString ShownText(const std::string& text)
{
    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    MakeMessageBoxDialogs()->Message(text, "Keyvane", TMsgKind::Error);
    return shown;
}

// An error report's LF CR, and the screen warning's lone CR, are one line break each, no empty line.
TEST(MessageBoxDialogs, ShowEachLineBreakOfTheTextAsOne)
{
    const std::pair<std::string, QString> rows[] = {
        {"#-802  Time out\n\rbubbles.kvt Topten open failed.",
         "#-802  Time out\nbubbles.kvt Topten open failed."},
        {"your display\rarea is only", "your display\narea is only"},
        {"a\r\nb\n\nc", "a\nb\n\nc"},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(ShownText(text), expected);
}

} // namespace
