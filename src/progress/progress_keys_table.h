#pragma once
#include <QStringList>
#include <QWidget>
#include <vector>

// The hardest keys of the progress page as screen readers read a table: a row a key, the columns the
// key, its error rate, its milliseconds per key and what is typed instead, as the page draws them. It
// lies over the drawn list, draws nothing and lets the mouse through to the page.
class TProgressKeysTable : public QWidget {
  public:
    explicit TProgressKeysTable(QWidget* parent);

    // The column headings and the rows, each as many cells as there are headings; hidden without rows.
    void SetCells(const QStringList& header, const std::vector<QStringList>& rows);
    const QStringList& Header() const { return header_; }
    const std::vector<QStringList>& Rows() const { return rows_; }

  private:
    QStringList header_;
    std::vector<QStringList> rows_;
};

// Makes screen readers see every TProgressKeysTable as a table; once is enough.
void InstallProgressKeysTableAccessibility();
