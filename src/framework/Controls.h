#pragma once
// Controls that behave as the program expects: selecting a row from code
// raises the same change handler as a click, also when that row is already
// selected.
#include <QComboBox>
#include <QToolButton>
#include <QTreeWidget>

class Listbox : public QTreeWidget
{
    Q_OBJECT
public:
    explicit Listbox(QWidget *parent = nullptr);

    void AddRow(const QString &text);
    void DeleteAllRows();
    int ListCount() const { return topLevelItemCount(); }
    // The selected row, -1 when none.
    int ListIndex() const;
    // Selects row (or none for -1) and always raises change.
    void setListIndex(int row);
    QString List(int row) const { return Cell(row, 0); }
    QString Cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);

signals:
    void change();

private:
    bool m_selectingFromCode = false;
};

class PopupMenu : public QComboBox
{
    Q_OBJECT
public:
    explicit PopupMenu(QWidget *parent = nullptr);

    void AddRow(const QString &text) { addItem(text); }
    void DeleteAllRows() { clear(); }
    int ListCount() const { return count(); }
    int ListIndex() const { return currentIndex(); }
    // Selects row and always raises change.
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
