#pragma once
// Sentence forming: a stored sentence variant becomes the text for one pupil.
// "#male/female#" groups give the form of the pupil's gender, "_" stands for
// the first name, "_s" for its genitive.
#include <QString>

// The formed text. Groups are resolved first, then the genitive rule, then
// the name is filled in; an empty name leaves every "_" in place.
QString formSentence(const QString &sentence, bool male, const QString &name);
// The chosen form of one group, handed over with its "#" marks.
QString sentencePart(const QString &group, bool male);
// Whether the genitive of name is written with an apostrophe instead of an
// s: names ending in s, ß, x or z (Jonas', Grieß', Max', Moritz').
bool takesApostropheGenitive(const QString &name);
