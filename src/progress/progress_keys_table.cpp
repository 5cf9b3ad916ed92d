#include "progress_keys_table.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <map>
#include <utility>

namespace {

// A cell of the table; it reads its text from the table widget each time, so that it never tells
// what the page showed before.
class TCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    TCellAccessible(TProgressKeysTable* table, int row, int column)
        : table_(table), row_(row), column_(column)
    {
    }

    bool isValid() const override
    {
        return table_ && row_ < int(table_->Rows().size()) && column_ < int(table_->Header().size());
    }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(table_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? table_->Rows()[std::size_t(row_)].value(column_)
                                                   : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        // The table's box in equal rows and columns.
        const QRect all(table_->mapToGlobal(QPoint(0, 0)), table_->size());
        const int rows = int(table_->Rows().size());
        const int columns = int(table_->Header().size());
        return QRect(all.left() + all.width() * column_ / columns, all.top() + all.height() * row_ / rows,
                     all.width() / columns, all.height() / rows);
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = !isValid() || !table_->isVisible();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                    : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QPointer<TProgressKeysTable> table_;
    int row_, column_;
};

class TTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    explicit TTableAccessible(TProgressKeysTable* table) : QAccessibleWidget(table, QAccessible::Table) {}
    ~TTableAccessible() override { ForgetCells(); }
    TProgressKeysTable* Table() const { return static_cast<TProgressKeysTable*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                : QAccessibleWidget::interface_cast(t);
    }
    int childCount() const override { return rowCount() * columnCount(); }
    QAccessibleInterface* child(int index) const override
    {
        return columnCount() > 0 ? cellAt(index / columnCount(), index % columnCount()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        return cell && cell->table() == this ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        auto found = cells_.find({row, column});
        if (found == cells_.end())
            found = cells_
                        .emplace(std::make_pair(row, column), QAccessible::registerAccessibleInterface(
                                                                  new TCellAccessible(Table(), row, column)))
                        .first;
        return QAccessible::accessibleInterface(found->second);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return Table()->Header().value(column); }
    int columnCount() const override { return int(Table()->Header().size()); }
    QString rowDescription(int) const override { return {}; }
    int rowCount() const override { return int(Table()->Rows().size()); }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool selectColumn(int) override { return false; }
    bool selectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    // New rows: the cells of the old ones go.
    void modelChange(QAccessibleTableModelChangeEvent*) override { ForgetCells(); }

  private:
    void ForgetCells()
    {
        for (const auto& [place, id] : cells_)
            QAccessible::deleteAccessibleInterface(id);
        cells_.clear();
    }
    // The cells asked for so far, by row and column.
    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

QAccessibleInterface* KeysTableFactory(const QString&, QObject* object)
{
    auto* table = dynamic_cast<TProgressKeysTable*>(object);
    return table ? new TTableAccessible(table) : nullptr;
}

} // namespace

TProgressKeysTable::TProgressKeysTable(QWidget* parent) : QWidget(parent)
{
    setObjectName("HardestKeysTable");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void TProgressKeysTable::SetCells(const QStringList& header, const std::vector<QStringList>& rows)
{
    header_ = header;
    rows_ = rows;
    setVisible(!rows.empty());
    QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&event);
}

void InstallProgressKeysTableAccessibility()
{
    static const bool installed = (QAccessible::installFactory(&KeysTableFactory), true);
    (void)installed;
}
