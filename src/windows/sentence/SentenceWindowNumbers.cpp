// Pages "Nummerneingabe" and "Nummernliste": sentences by their number.
#include "SentenceWindow.h"

#include "ExtendedEditField.h"
#include "app/App.h"
#include "framework/Strings.h"

#include <QtMath>

namespace {
// The variant number of text stepped by delta.
qint64 steppedVariant(const QString &text, int delta)
{
    return qRound64(Val(text) + delta);
}

// Return leaves the field; the key itself is not consumed.
bool clearFocusOnReturn(QWidget *window, const QString &key)
{
    if (key == QStringLiteral("\r")) {
        if (QWidget *focused = window->focusWidget())
            focused->clearFocus();
    }
    return false;
}
} // namespace

void SentenceWindow::updateSentence2Number()
{
    QString s;
    const int number = getCatNo();
    const int variant = getSubNo();
    if (number > 0 && variant > 0) {
        const bool du = app().pPrefs->GetUseDu();
        s = app().getSentence2Number(number, variant, getClass(), du);
        if (s.isEmpty()) {
            // The address may exist in the other form only.
            const QString other = app().getSentence2Number(number, variant, getClass(), !du);
            QString text;
            if (other.isEmpty()) {
                text = QStringLiteral("Eine Formulierung mit dieser Nummer ist nicht vorhanden.");
            } else if (du) {
                text = QStringLiteral("Eine „Du“-Formulierungen mit dieser Nummer ist nicht vorhanden. Die "
                                      "korrespondierende normale Formulierung wird verwendet.");
                s = other;
            } else {
                text = QStringLiteral("Eine Formulierungen mit dieser Nummer ist nicht vorhanden. Die "
                                      "korrespondierende „Du“-Formulierung wird verwendet.");
                s = other;
            }
            app().ShowOKSheetDialog(QStringLiteral("Nummer ungültig!"), text, QStringLiteral("OK"));
        }
    }
    SentenceEditField->setText(formForPupil(s));
}

int SentenceWindow::getCatNo() const
{
    return CatNoEditField->Text().isEmpty() ? 0 : ValInt(CatNoEditField->Text());
}

int SentenceWindow::getSubNo() const
{
    return SubNoEditField->Text().isEmpty() ? 0 : ValInt(SubNoEditField->Text());
}

void SentenceWindow::LittleArrows1_Up()
{
    SubNoEditField->setText(Format(steppedVariant(SubNoEditField->Text(), 1), QStringLiteral("##")));
}

void SentenceWindow::LittleArrows1_Down()
{
    // Not below the first variant.
    SubNoEditField->setText(Format(qMax<qint64>(steppedVariant(SubNoEditField->Text(), -1), 1), QStringLiteral("##")));
}

bool SentenceWindow::CatNoEditField_KeyDown(const QString &key)
{
    return clearFocusOnReturn(this, key);
}

bool SentenceWindow::SubNoEditField_KeyDown(const QString &key)
{
    return clearFocusOnReturn(this, key);
}

bool SentenceWindow::NumListEditField_KeyDown(const QString &key)
{
    return clearFocusOnReturn(this, key);
}

// However the variant field is left, the number field takes the focus.
void SentenceWindow::SubNoEditField_LostFocus()
{
    CatNoEditField->setFocus();
}
