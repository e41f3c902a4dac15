#pragma once

#include <QTableWidget>
#include <string>
#include <vector>

// A grid of text cells addressed as (column, row), fixed (header) rows and columns
// included: cell (c, r) is item(r, c). Fixed cells are read-only and look like
// headers; the QHeaderViews themselves are hidden.
class StringGrid : public QTableWidget {
  Q_OBJECT
 public:
  StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget* parent);
  // A grid named `name` with its top left at `at`, as wide as its columns (and
  // `extraWidth`, e.g. for a scroll bar) and as high as `shownRows` rows.
  static StringGrid* make(QWidget* parent, const char* name, int columns, int rows,
                          int fixedColumns, int fixedRows, std::initializer_list<int> widths,
                          bool editable, QPoint at, int shownRows, int extraWidth = 0);

  QString cell(int column, int row) const;
  void setCell(int column, int row, const QString& text);
  // Cells of row `row` from `column` on; empty texts clear them.
  void setCells(int column, int row, const std::vector<std::string>& texts);
  void setEditableCells(bool editable);
  void setColumnWidths(std::initializer_list<int> widths);
  // Height that shows `rows` rows without a scroll bar.
  int heightForRows(int rows) const;

 protected:
  // Tab goes through the cells that take entries and then on to the next control, as
  // from a text box, instead of round the grid for ever; a grid without entries is one
  // step of Tab.
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

 private:
  int fixedColumns_;
  int fixedRows_;
};
