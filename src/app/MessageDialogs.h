#pragma once
// The program's own message dialogs: a header, a text, the program icon, an
// "OK" button whose caption the caller may replace, and a link button that
// opens the maker's web site. A new dialog is made for every message.
#include <QDialog>

class BevelButton;
class EdgeLocks;
class QLabel;
class QPushButton;

// The link button of the message and update dialogs: the maker's web address
// as caption, flat, taking no focus. The caller places it and connects it.
BevelButton *makeMakerLinkButton(QWidget *parent);

class OKDialog : public QDialog
{
    Q_OBJECT
public:
    explicit OKDialog(QWidget *parent = nullptr);
    void InitOKDialog(const QString &header, const QString &text, const QString &caption);

    QLabel *HeaderText = nullptr;
    QLabel *SubText = nullptr;
    QPushButton *OKButton = nullptr;
    QLabel *Canvas1 = nullptr;
    BevelButton *BevelButton1 = nullptr;

    void OKButton_Action();
    void BevelButton1_Action();

protected:
    // The sheet twin has the same controls at its own positions.
    OKDialog(bool sheet, QWidget *parent);

private:
    void layOut(bool sheet);
    void placeControls(int extraHeight);
    void growToFit();

    EdgeLocks *m_locks = nullptr;
    bool m_sheet = false;
};

// The sheet twin: its constructor shows the message and returns when it has closed.
class OKSheetDialog : public OKDialog
{
    Q_OBJECT
public:
    OKSheetDialog(const QString &header, const QString &text, const QString &caption, QWidget *parent = nullptr);
};
