// Sentence forming.
#include "app/App.h"
#include "transfer/SentenceForming.h"

QString App::VM_formSentence(const QString &sentence, bool male, const QString &name)
{
    return formSentence(sentence, male, name);
}

QString App::VM_getPart(const QString &group, bool male)
{
    return sentencePart(group, male);
}
