#include "ui/StringGrid.h"

#include <QHeaderView>

StringGrid::StringGrid(int columns, int rows, int fixedColumns, int fixedRows, QWidget* parent)
    : QTableWidget(rows, columns, parent), fixedColumns_(fixedColumns), fixedRows_(fixedRows) {
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setWordWrap(false);
  const QPalette pal = palette();
  QFont headerFont = font();
  headerFont.setBold(true);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      auto* item = new QTableWidgetItem;
      const bool fixed = r < fixedRows || c < fixedColumns;
      if (fixed) {
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(pal.button());
        item->setForeground(pal.buttonText());
        item->setFont(headerFont);
        item->setTextAlignment(Qt::AlignCenter);
      } else {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      }
      setItem(r, c, item);
    }
  }
}

StringGrid* StringGrid::make(QWidget* parent, const char* name, int columns, int rows,
                             int fixedColumns, int fixedRows, std::initializer_list<int> widths,
                             bool editable, QPoint at, int shownRows, int extraWidth) {
  auto* grid = new StringGrid(columns, rows, fixedColumns, fixedRows, parent);
  grid->setObjectName(QString::fromLatin1(name));
  grid->setEditableCells(editable);
  grid->setColumnWidths(widths);
  int width = 4 + extraWidth;
  for (const int w : widths) width += w;
  grid->setGeometry(at.x(), at.y(), width, grid->heightForRows(shownRows));
  return grid;
}

QString StringGrid::cell(int column, int row) const {
  const QTableWidgetItem* it = item(row, column);
  return it ? it->text() : QString();
}

void StringGrid::setCell(int column, int row, const QString& text) {
  if (QTableWidgetItem* it = item(row, column)) it->setText(text);
}

void StringGrid::setCells(int column, int row, const std::vector<std::string>& texts) {
  for (const std::string& text : texts) setCell(column++, row, QString::fromStdString(text));
}

void StringGrid::setEditableCells(bool editable) {
  for (int r = fixedRows_; r < rowCount(); ++r)
    for (int c = fixedColumns_; c < columnCount(); ++c) {
      QTableWidgetItem* it = item(r, c);
      Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
      if (editable) flags |= Qt::ItemIsEditable;
      it->setFlags(flags);
    }
  setEditTriggers(editable ? QAbstractItemView::AllEditTriggers
                           : QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(editable);
}

QModelIndex StringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if (action != MoveNext && action != MovePrevious)
    return QTableWidget::moveCursor(action, modifiers);
  const int columns = columnCount() - fixedColumns_;
  const int cells = (rowCount() - fixedRows_) * columns;
  const QModelIndex now = currentIndex();
  int at = now.isValid() && now.row() >= fixedRows_ && now.column() >= fixedColumns_
               ? (now.row() - fixedRows_) * columns + now.column() - fixedColumns_
               : (action == MoveNext ? -1 : cells);
  at += action == MoveNext ? 1 : -1;
  if (at < 0 || at >= cells) return {};
  return model()->index(fixedRows_ + at / columns, fixedColumns_ + at % columns);
}

void StringGrid::setColumnWidths(std::initializer_list<int> widths) {
  int c = 0;
  for (int w : widths) setColumnWidth(c++, w);
}

int StringGrid::heightForRows(int rows) const {
  return rows * verticalHeader()->defaultSectionSize() + 2 * frameWidth();
}
