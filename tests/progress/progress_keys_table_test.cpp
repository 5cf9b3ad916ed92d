#include "progress_keys_table.h"
#include "progress_view.h"

#include <gtest/gtest.h>

#include <QAccessible>

namespace {

TKeyStanding Key(unsigned char ch, double errorRate, double msPerKey, unsigned char confused,
                 std::int32_t count)
{
    TKeyStanding k;
    k.Ch = ch;
    k.Keystrokes = 100;
    k.Difficulty = 100 * errorRate;
    k.ErrorRate = errorRate;
    k.MsPerKey = msPerKey;
    k.Confused = confused;
    k.ConfusedCount = count;
    return k;
}

// The cells of the accessible table, a row a line, the cells parted by " | ".
std::string Cells(QAccessibleTableInterface* table)
{
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < table->columnCount(); ++c) {
            QAccessibleInterface* cell = table->cellAt(r, c);
            EXPECT_NE(cell, nullptr);
            if (!cell)
                return rows.join("\n").toStdString();
            EXPECT_EQ(cell->role(), QAccessible::Cell);
            EXPECT_EQ(cell->tableCellInterface()->rowIndex(), r);
            EXPECT_EQ(cell->tableCellInterface()->columnIndex(), c);
            row << cell->text(QAccessible::Name);
        }
        rows << row.join(" | ");
    }
    return rows.join("\n").toStdString();
}

// The view shows screen readers its hardest keys (five at most) as a table with what the page draws in
// its columns, and a page shown afresh with fewer keys has fewer rows.
TEST(ProgressKeysTable, ScreenReadersReadTheHardestKeysAsATable)
{
    TProgressView view;
    TProgressData data;
    data.Ranking = {Key('e', 0.333, 251.6, 'r', 3), Key(',', 0.05, 0, '.', 2), Key('a', 0.04, 180, 's', 1),
                    Key('b', 0.03, 170, 0, 0),      Key('c', 0.02, 160, 0, 0), Key('d', 0.01, 150, 0, 0)};
    view.Collect = [&] { return data; };
    view.Load();

    // The table class has no meta-object of its own: found by name.
    auto* widget = dynamic_cast<TProgressKeysTable*>(view.Page()->findChild<QWidget*>("HardestKeysTable"));
    ASSERT_NE(widget, nullptr);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Table);
    QAccessibleTableInterface* table = iface->tableInterface();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->columnCount(), 4);
    EXPECT_EQ(table->columnDescription(0), "key");
    EXPECT_EQ(table->columnDescription(1), "errors");
    EXPECT_EQ(table->columnDescription(2), "ms / key");
    EXPECT_EQ(table->columnDescription(3), "typed instead");
    // The counted texts as the source writes them: this test builds no translation, English included.
    const QStringList expected = {
        "e | 33 % | 252 | types r for e: 3 time(s)",
        QString::fromUtf8(", | 5 % | – | types full stop for comma: 2 time(s)"),
        "a | 4 % | 180 | types s for a: 1 time(s)",
        "b | 3 % | 170 | ",
        "c | 2 % | 160 | ",
    };
    EXPECT_EQ(Cells(table), expected.join("\n").toStdString());
    EXPECT_EQ(iface->childCount(), 20);
    EXPECT_EQ(iface->indexOfChild(table->cellAt(1, 2)), 6);
    EXPECT_EQ(table->cellAt(5, 0), nullptr);
    view.Unload();

    data.Ranking.resize(1);
    view.Load();
    EXPECT_EQ(table->rowCount(), 1);
    EXPECT_EQ(Cells(table), expected[0].toStdString());
    view.Unload();

    data.Ranking.clear();
    view.Load();
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_EQ(table->cellAt(0, 0), nullptr);
    EXPECT_TRUE(widget->isHidden());
}

} // namespace
