// Sentence forming.
#include "app/App.h"

QString App::VM_formSentence(const QString &sentence, bool, const QString &)
{
    return sentence;
}

QString App::VM_getPart(const QString &, bool)
{
    return {};
}
