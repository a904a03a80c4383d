#include "SentenceForming.h"

#include "framework/EventLoop.h"
#include "framework/Strings.h"

QString sentencePart(const QString &group, bool male)
{
    QString part = group;
    if (part.startsWith(u'#'))
        part.remove(0, 1);
    if (part.endsWith(u'#'))
        part.chop(1);
    return NthField(part, QStringLiteral("/"), male ? 1 : 2);
}

bool takesApostropheGenitive(const QString &name)
{
    if (name.isEmpty())
        return false;
    // Compared by the program's case-insensitive rule: "JONAS" as "Jonas".
    const QChar last = name.back().toLower();
    return last == u's' || last == u'x' || last == u'z' || last == u'ß' || last == QChar(0x1E9E);
}

QString formSentence(const QString &sentence, bool male, const QString &name)
{
    QString result;
    if (sentence.isEmpty())
        return result;
    result.reserve(sentence.size());
    QString group;
    bool inGroup = false;
    for (const QChar c : sentence) {
        if (c == u'#') {
            group.append(c);
            if (inGroup) {
                inGroup = false;
                result.append(sentencePart(group, male));
                group.clear();
            } else {
                inGroup = true;
            }
        } else if (inGroup) {
            group.append(c);
        } else {
            result.append(c);
        }
        yieldToEventLoop();
    }
    // An unclosed group runs to the end of the text and is dropped.

    if (!name.isEmpty()) {
        if (takesApostropheGenitive(name))
            result.replace(QStringLiteral("_s"), QStringLiteral("_'"), Qt::CaseInsensitive);
        result.replace(u'_', name);
    }
    return result;
}
