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
class QDrag;

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
    // Selects (or deselects) every row in one step and raises change once;
    // a list without rows stays as it is and raises nothing.
    void setAllRowsSelected(bool selected);
    QString List(int row) const { return Cell(row, 0); }
    QString Cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    // A value kept with a cell and never shown; it moves with its row.
    QVariant CellTag(int row, int column) const;
    void setCellTag(int row, int column, const QVariant &tag);

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

    // Sees each typed key first; true consumes it.
    using KeyDownHandler = std::function<bool(const QString &key)>;
    void setKeyDownHandler(KeyDownHandler handler) { m_keyDown = std::move(handler); }
    // A row dragged out of the list: the handler fills the drag (its mime
    // data is there already, empty) and returns whether the drag may go.
    // Without a handler the list moves its rows within itself.
    using DragRowHandler = std::function<bool(QDrag &drag, int row)>;
    void setDragRowHandler(DragRowHandler handler) { m_dragRow = std::move(handler); }

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
    void keyPressEvent(QKeyEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dropEvent(QDropEvent *event) override;

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
    KeyDownHandler m_keyDown;
    DragRowHandler m_dragRow;
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
    // The pressed look.
    bool Value() const { return isDown(); }
    void setValue(bool pressed) { setDown(pressed); }

    // A press seen first (x, y relative to the button): true when the press
    // became a drag, which then ends in the mouse-up handler; false lets it
    // go on as a click that raises action on release.
    using MouseHandler = std::function<bool(int x, int y)>;
    void setMouseDownHandler(MouseHandler handler) { m_mouseDown = std::move(handler); }
    void setMouseUpHandler(MouseHandler handler) { m_mouseUp = std::move(handler); }

signals:
    void action();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    MouseHandler m_mouseDown;
    MouseHandler m_mouseUp;
    bool m_handlingPress = false;
    bool m_releasedDuringPress = false;
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
