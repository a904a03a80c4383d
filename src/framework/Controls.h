#pragma once
// Controls that behave as the program expects: selecting a row from code
// raises the same change handler as a click, also when that row is already
// selected.
#include <QComboBox>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

class Listbox;

// Draws the list's cells: the owner's background painter first, then the
// text; opens a one-line editor for cells of editable columns and reports
// the edit as the list's cell events.
class ListboxDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit ListboxDelegate(Listbox *list);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    Listbox *m_list;
};

class Listbox : public QTreeWidget
{
    Q_OBJECT
public:
    // Cell types of a column.
    enum CellType { TypeDefault = 0, TypeNormal = 1, TypeCheckbox = 2, TypeEditable = 3 };

    explicit Listbox(QWidget *parent = nullptr);

    void AddRow(const QString &text);
    void DeleteAllRows();
    int ListCount() const { return topLevelItemCount(); }
    // The selected row, -1 when none.
    int ListIndex() const;
    // Selects row (or none for -1) and always raises change, also when the
    // row is selected already. A row past the last one selects nothing and
    // raises nothing (a list without rows stops a cascade there).
    void setListIndex(int row);
    QString List(int row) const { return Cell(row, 0); }
    QString Cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);

    // Several columns with headings ("" hides the heading row).
    void setHeadings(const QStringList &headings);
    // Widths as a comma list of percentages or pixels ("20%,52%,15%,6%,6%").
    void setColumnWidths(const QString &widths);
    void setColumnAlignment(int column, Qt::Alignment alignment);
    int ColumnType(int column) const;
    void setColumnType(int column, int type);
    // The user cannot take the selection away once a row is chosen.
    void setRequiresSelection(bool required) { m_requiresSelection = required; }

    // Paints a cell's background before its text; returns true when it drew
    // the whole cell itself.
    using CellBackgroundPainter = std::function<bool(QPainter &g, const QRect &cell, int row, int column)>;
    void setCellBackgroundPaint(CellBackgroundPainter painter) { m_backgroundPainter = std::move(painter); }
    const CellBackgroundPainter &cellBackgroundPainter() const { return m_backgroundPainter; }

signals:
    void change();
    void doubleClick();
    // Cell editing: the editor opened, its text changed, the edit was
    // finished (committed), the editor closed.
    void cellGotFocus(int row, int column);
    void cellTextChange(int row, int column);
    void cellAction(int row, int column);
    void cellLostFocus(int row, int column);

protected:
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class ListboxDelegate;
    void applyEditable();
    void applyColumnWidths();

    bool m_selectingFromCode = false;
    bool m_requiresSelection = false;
    QList<int> m_columnTypes;
    QStringList m_columnWidths;
    QList<Qt::Alignment> m_alignments;
    CellBackgroundPainter m_backgroundPainter;
    QPair<int, int> m_editedCell{-1, -1};
};

class PopupMenu : public QComboBox
{
    Q_OBJECT
public:
    explicit PopupMenu(QWidget *parent = nullptr);

    // Adding and deleting rows raises no change.
    void AddRow(const QString &text);
    void DeleteAllRows();
    int ListCount() const { return count(); }
    int ListIndex() const { return currentIndex(); }
    // Selects row (or none for -1) and always raises change; a row past the
    // last one selects nothing and raises nothing.
    void setListIndex(int row);
    QString List(int row) const { return itemText(row); }
    QString Text() const { return currentIndex() < 0 ? QString() : currentText(); }

signals:
    void change();

private:
    bool m_selectingFromCode = false;
};

// A button with a caption and/or an icon that raises action when clicked.
class BevelButton : public QToolButton
{
    Q_OBJECT
public:
    explicit BevelButton(QWidget *parent = nullptr);
    void setCaption(const QString &caption) { setText(caption); }
    void setIconPicture(const QPixmap &picture);

signals:
    void action();
};

// A pair of little arrows that step a value up and down.
class LittleArrows : public QWidget
{
    Q_OBJECT
public:
    explicit LittleArrows(QWidget *parent = nullptr);

signals:
    void up();
    void down();
};
