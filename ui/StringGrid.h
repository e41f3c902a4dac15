#pragma once

#include <QTableWidget>

// A grid of text cells addressed as (column, row), fixed (header) rows and columns
// included: cell (c, r) is item(r, c). Fixed cells are read-only and look like
// headers; the QHeaderViews themselves are hidden.
class StringGrid : public QTableWidget {
  Q_OBJECT
 public:
  StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget* parent);

  QString cell(int column, int row) const;
  void setCell(int column, int row, const QString& text);
  void setEditableCells(bool editable);
  void setColumnWidths(std::initializer_list<int> widths);
  // Height that shows `rows` rows without a scroll bar.
  int heightForRows(int rows) const;

 private:
  int fixedColumns_;
  int fixedRows_;
};
