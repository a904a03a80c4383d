#include "ExtendedEditField.h"

#include "app/App.h"
#include "app/Menu.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

ExtendedEditField::ExtendedEditField(bool multiLine, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_multiLine(multiLine)
{
    setFrameShape(QFrame::Box);
    setBackgroundVisible(false);
    QPalette p = palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    setTabChangesFocus(true);
    if (!multiLine) {
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        document()->setDocumentMargin(1);
    } else {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    connect(this, &QPlainTextEdit::textChanged, this, &ExtendedEditField::textChange);
    if (hasApp())
        app().MenuBar()->addMenuHandler(QStringLiteral("EditSelectAll"), this,
                                        [this] { return _EditSelectAll_Action(); });
}

void ExtendedEditField::setText(const QString &text)
{
    if (text == toPlainText())
        return;
    setPlainText(m_multiLine ? text : QString(text).replace(u'\n', u' '));
}

bool ExtendedEditField::_EditSelectAll_Action()
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(0);
    cursor.setPosition(int(toPlainText().size()), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    return false;
}

int ExtendedEditField::roomLeft() const
{
    if (m_limit <= 0)
        return INT_MAX;
    const int selected = int(textCursor().selectedText().size());
    return qMax(0, m_limit - (int(toPlainText().size()) - selected));
}

void ExtendedEditField::keyPressEvent(QKeyEvent *event)
{
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString key = isReturn ? QStringLiteral("\r") : event->text();
    if (m_keyDown && !key.isEmpty() && m_keyDown(key))
        return;
    if (isReturn && !m_multiLine) {
        event->ignore();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() && int(typed.size()) > roomLeft())
        return;
    QPlainTextEdit::keyPressEvent(event);
}

void ExtendedEditField::focusOutEvent(QFocusEvent *event)
{
    QPlainTextEdit::focusOutEvent(event);
    emit lostFocus();
}

void ExtendedEditField::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    QString text = source->text();
    if (!m_multiLine) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        text.replace(u'\n', u' ').replace(u'\r', u' ');
    }
    text.truncate(roomLeft());
    insertPlainText(text);
}

QSize ExtendedEditField::sizeHint() const
{
    return m_multiLine ? QPlainTextEdit::sizeHint() : QSize(124, 22);
}
