#pragma once
// The text field of the main window's editable texts: one line or several,
// an optional length limit, and its own "Alles auswählen".
#include <QPlainTextEdit>

#include <functional>

class ExtendedEditField : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit ExtendedEditField(bool multiLine, QWidget *parent = nullptr);

    QString Text() const { return toPlainText(); }
    void setText(const QString &text);
    // At most limit characters can be typed or pasted (0: no limit).
    void LimitText(int limit) { m_limit = limit; }
    int limitText() const { return m_limit; }
    bool isMultiLine() const { return m_multiLine; }

    // Selects the whole text; the handler of "Alles auswählen" while the field has the focus.
    bool _EditSelectAll_Action();

    // Sees each typed key first (Return arrives as "\r"); true consumes it.
    using KeyDownHandler = std::function<bool(const QString &key)>;
    void setKeyDownHandler(KeyDownHandler handler) { m_keyDown = std::move(handler); }

signals:
    void textChange();
    void lostFocus();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    QSize sizeHint() const override;

private:
    int roomLeft() const;

    bool m_multiLine;
    int m_limit = 0;
    KeyDownHandler m_keyDown;
};
