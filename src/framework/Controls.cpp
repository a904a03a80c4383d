#include "Controls.h"

#include <QCursor>
#include <QDrag>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPainter>
#include <QResizeEvent>
#include <QPointer>
#include <QToolButton>
#include <QValidator>
#include <QVBoxLayout>

#include <limits>

namespace {
// A line end pasted into a cell (CR LF, a lone CR or LF) becomes one blank,
// as the one-line editor shows it: a cell holds one variant, and a line end
// saved in it would come back as a line between variants.
class LineEndsAsBlanks : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override
    {
        if (!input.contains(u'\r') && !input.contains(u'\n'))
            return Acceptable;
        QString text;
        text.reserve(input.size());
        int cursor = pos;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const QChar c = input.at(i);
            if (c == u'\n' && i > 0 && input.at(i - 1) == u'\r') {
                if (i < pos)
                    --cursor; // the pair's blank stands already
                continue;
            }
            text += c == u'\r' || c == u'\n' ? QChar(u' ') : c;
        }
        input = text;
        pos = cursor;
        return Acceptable;
    }
};
} // namespace

ListboxDelegate::ListboxDelegate(Listbox *list)
    : QStyledItemDelegate(list)
    , m_list(list)
{
}

void ListboxDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    if (const auto &background = m_list->cellBackgroundPainter()) {
        painter->save();
        const bool drawn = background(*painter, option.rect, index.row(), index.column());
        painter->restore();
        if (drawn)
            return;
    }
    QStyledItemDelegate::paint(painter, option, index);
}

QWidget *ListboxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const
{
    if (m_list->ColumnType(index.column()) != Listbox::TypeEditable)
        return nullptr;
    auto *editor = qobject_cast<QLineEdit *>(QStyledItemDelegate::createEditor(parent, option, index));
    if (!editor)
        return nullptr;
    // The line editor would cut a longer text to its default 32767 characters.
    editor->setMaxLength(std::numeric_limits<int>::max());
    editor->setValidator(new LineEndsAsBlanks(editor));
    const int row = index.row();
    const int column = index.column();
    connect(editor, &QLineEdit::textEdited, m_list, [list = m_list, row, column] {
        emit list->cellTextChange(row, column);
    });
    m_list->m_editedCell = {row, column};
    emit m_list->cellGotFocus(row, column);
    return editor;
}

void ListboxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    QStyledItemDelegate::setModelData(editor, model, index);
    emit m_list->cellAction(index.row(), index.column());
}

Listbox::Listbox(QWidget *parent)
    : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    setItemDelegate(new ListboxDelegate(this));
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::DoubleClicked);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!m_selectingFromCode)
            emit change();
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this, &Listbox::doubleClick);
}

void Listbox::AddRow(const QString &text)
{
    auto *item = new QTreeWidgetItem(this);
    item->setText(0, text);
    for (int c = 0; c < m_alignments.size(); ++c)
        if (m_alignments.at(c))
            item->setTextAlignment(c, m_alignments.at(c));
    if (m_columnTypes.contains(TypeEditable))
        item->setFlags(item->flags() | Qt::ItemIsEditable);
}

void Listbox::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    QTreeWidget::closeEditor(editor, hint);
    emit cellLostFocus(m_editedCell.first, m_editedCell.second);
}

void Listbox::DeleteAllRows()
{
    m_selectingFromCode = true;
    clear();
    m_selectingFromCode = false;
}

int Listbox::ListIndex() const
{
    const auto selected = selectedItems();
    return selected.isEmpty() ? -1 : indexOfTopLevelItem(selected.first());
}

void Listbox::setListIndex(int row)
{
    if (row >= topLevelItemCount())
        return;
    m_selectingFromCode = true;
    if (row >= 0) {
        QTreeWidgetItem *item = topLevelItem(row);
        setCurrentItem(item);
        item->setSelected(true);
        scrollToItem(item);
    } else {
        clearSelection();
    }
    m_selectingFromCode = false;
    emit change();
}

void Listbox::setAllRowsSelected(bool selected)
{
    const int rows = topLevelItemCount();
    if (rows == 0)
        return;
    m_selectingFromCode = true;
    if (selected) {
        // One range over all rows: the selection model takes it whole, where
        // selecting row by row makes the view recount its selection each time.
        const QItemSelection everyRow(model()->index(0, 0), model()->index(rows - 1, columnCount() - 1));
        selectionModel()->select(everyRow, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    } else {
        clearSelection();
    }
    m_selectingFromCode = false;
    emit change();
}

QString Listbox::Cell(int row, int column) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

void Listbox::setCell(int row, int column, const QString &text)
{
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setText(column, text);
}

QVariant Listbox::CellTag(int row, int column) const
{
    const QTreeWidgetItem *item = topLevelItem(row);
    return item ? item->data(column, Qt::UserRole) : QVariant();
}

void Listbox::setCellTag(int row, int column, const QVariant &tag)
{
    if (QTreeWidgetItem *item = topLevelItem(row))
        item->setData(column, Qt::UserRole, tag);
}

void Listbox::setHeadings(const QStringList &headings)
{
    setColumnCount(qMax(1, int(headings.size())));
    setHeaderLabels(headings);
    setHeaderHidden(headings.isEmpty());
}

void Listbox::setColumnWidths(const QString &widths)
{
    m_columnWidths = widths.split(u',', Qt::SkipEmptyParts);
    applyColumnWidths();
}

void Listbox::applyColumnWidths()
{
    const int total = viewport()->width();
    for (int c = 0; c < m_columnWidths.size() && c < columnCount(); ++c) {
        QString w = m_columnWidths.at(c).trimmed();
        int pixels = 0;
        if (w.endsWith(u'%')) {
            w.chop(1);
            pixels = int(w.toDouble() * total / 100.0);
        } else {
            pixels = w.toInt();
        }
        if (pixels > 0)
            setColumnWidth(c, pixels);
    }
}

void Listbox::resizeEvent(QResizeEvent *event)
{
    QTreeWidget::resizeEvent(event);
    if (!m_columnWidths.isEmpty())
        applyColumnWidths();
}

void Listbox::keyPressEvent(QKeyEvent *event)
{
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString key = isReturn ? QStringLiteral("\r") : event->text();
    if (m_keyDown && !key.isEmpty() && m_keyDown(key))
        return;
    QTreeWidget::keyPressEvent(event);
}

void Listbox::startDrag(Qt::DropActions supportedActions)
{
    if (!m_dragRow) {
        QTreeWidget::startDrag(supportedActions);
        return;
    }
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(new QMimeData);
    if (!m_dragRow(*drag, index.row())) {
        delete drag;
        return;
    }
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void Listbox::dropEvent(QDropEvent *event)
{
    // Taking the moved row out hands the selection to the row that followed
    // it; the moved row is the chosen one, at its new place.
    QTreeWidgetItem *moved = event->source() == this ? currentItem() : nullptr;
    if (moved && !moved->isSelected())
        moved = nullptr;
    QTreeWidget::dropEvent(event);
    if (moved && indexOfTopLevelItem(moved) >= 0 && !moved->isSelected()) {
        setCurrentItem(moved);
        scrollToItem(moved);
    }
}

void Listbox::setColumnAlignment(int column, Qt::Alignment alignment)
{
    if (column < 0)
        return;
    while (m_alignments.size() <= column)
        m_alignments.append(Qt::Alignment());
    m_alignments[column] = alignment;
    for (int r = 0; r < topLevelItemCount(); ++r)
        topLevelItem(r)->setTextAlignment(column, alignment);
}

int Listbox::ColumnType(int column) const
{
    return column >= 0 && column < m_columnTypes.size() ? m_columnTypes.at(column) : int(TypeDefault);
}

void Listbox::setColumnType(int column, int type)
{
    if (column < 0)
        return;
    while (m_columnTypes.size() <= column)
        m_columnTypes.append(TypeDefault);
    if (m_columnTypes.at(column) == type)
        return;
    // An open editor of a column that stops being editable is closed without saving.
    if (type != TypeEditable && state() == QAbstractItemView::EditingState) {
        if (QWidget *editor = indexWidget(currentIndex()))
            closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
    m_columnTypes[column] = type;
    applyEditable();
}

void Listbox::applyEditable()
{
    const bool editable = m_columnTypes.contains(TypeEditable);
    for (int r = 0; r < topLevelItemCount(); ++r) {
        QTreeWidgetItem *item = topLevelItem(r);
        item->setFlags(editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
    }
}

QItemSelectionModel::SelectionFlags Listbox::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    const auto flags = QTreeWidget::selectionCommand(index, event);
    if (m_requiresSelection && !m_selectingFromCode && ListIndex() >= 0) {
        // Ctrl-click on the chosen row or a click beside the rows would leave none selected.
        const bool wouldDeselect = !index.isValid() ? (flags & QItemSelectionModel::Clear)
                                                    : (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
                                                          && selectionModel()->isSelected(index);
        if (wouldDeselect)
            return QItemSelectionModel::NoUpdate;
    }
    return flags;
}

PopupMenu::PopupMenu(QWidget *parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_selectingFromCode)
            emit change();
    });
}

void PopupMenu::AddRow(const QString &text)
{
    // The first row added becomes the current one without a change.
    m_selectingFromCode = true;
    addItem(text);
    m_selectingFromCode = false;
}

void PopupMenu::DeleteAllRows()
{
    m_selectingFromCode = true;
    clear();
    m_selectingFromCode = false;
}

void PopupMenu::setListIndex(int row)
{
    if (row >= count())
        return;
    m_selectingFromCode = true;
    setCurrentIndex(row < 0 ? -1 : row);
    m_selectingFromCode = false;
    emit change();
}

BevelButton::BevelButton(QWidget *parent)
    : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(this, &QToolButton::clicked, this, &BevelButton::action);
}

void BevelButton::mousePressEvent(QMouseEvent *event)
{
    if (!m_mouseDown || event->button() != Qt::LeftButton) {
        QToolButton::mousePressEvent(event);
        return;
    }
    const QPointer<BevelButton> self(this);
    const QPoint at = event->position().toPoint();
    m_handlingPress = true;
    m_releasedDuringPress = false;
    const bool dragged = m_mouseDown(at.x(), at.y());
    if (!self)
        return;
    m_handlingPress = false;
    if (dragged) {
        // The drag has ended with the release; it goes to the mouse-up handler.
        const QPoint released = mapFromGlobal(QCursor::pos());
        if (m_mouseUp)
            m_mouseUp(released.x(), released.y());
        return;
    }
    if (m_releasedDuringPress || !QGuiApplication::mouseButtons().testFlag(Qt::LeftButton))
        emit action(); // released already while the press was handled
    else
        QToolButton::mousePressEvent(event); // the release raises action
}

void BevelButton::mouseReleaseEvent(QMouseEvent *event)
{
    // A release while the press handler still runs belongs to that press:
    // the pressed look set there must not make it a second click.
    if (m_handlingPress) {
        m_releasedDuringPress = true;
        return;
    }
    QToolButton::mouseReleaseEvent(event);
}

void BevelButton::setIconPicture(const QPixmap &picture)
{
    setIcon(QIcon(picture));
    if (!picture.isNull())
        setIconSize(picture.size());
}

LittleArrows::LittleArrows(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    const auto arrow = [this, layout](Qt::ArrowType type, const char *name) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromUtf8(name));
        button->setArrowType(type);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(button);
        return button;
    };
    connect(arrow(Qt::UpArrow, "up"), &QToolButton::clicked, this, &LittleArrows::up);
    connect(arrow(Qt::DownArrow, "down"), &QToolButton::clicked, this, &LittleArrows::down);
}
