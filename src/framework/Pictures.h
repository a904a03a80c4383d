#pragma once
// The program's pictures, by resource number, from pictures/ beside the
// executable. Each is loaded on first use and kept; a missing file gives an
// empty picture.
#include <QPixmap>

const QPixmap &pictureByNumber(int number, bool transparent);

inline const QPixmap &about_bg_kdl() { return pictureByNumber(168, false); }
inline const QPixmap &Action() { return pictureByNumber(169, true); }
inline const QPixmap &closeLock() { return pictureByNumber(170, true); }
inline const QPixmap &openlock() { return pictureByNumber(171, true); }
inline const QPixmap &uebernhmenicon() { return pictureByNumber(172, true); }
inline const QPixmap &vmicon() { return pictureByNumber(173, true); }
inline const QPixmap &Vm9Schriftzug() { return pictureByNumber(174, true); }
