#include "Controls.h"

#include <QHeaderView>

Listbox::Listbox(QWidget *parent)
    : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setHeaderHidden(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (!m_selectingFromCode)
            emit change();
    });
}

void Listbox::AddRow(const QString &text)
{
    auto *item = new QTreeWidgetItem(this);
    item->setText(0, text);
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
    m_selectingFromCode = true;
    if (row >= 0 && row < topLevelItemCount()) {
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

PopupMenu::PopupMenu(QWidget *parent)
    : QComboBox(parent)
{
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_selectingFromCode)
            emit change();
    });
}

void PopupMenu::setListIndex(int row)
{
    m_selectingFromCode = true;
    setCurrentIndex(row);
    m_selectingFromCode = false;
    emit change();
}

BevelButton::BevelButton(QWidget *parent)
    : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(this, &QToolButton::clicked, this, &BevelButton::action);
}

void BevelButton::setIconPicture(const QPixmap &picture)
{
    setIcon(QIcon(picture));
    if (!picture.isNull())
        setIconSize(picture.size());
}
