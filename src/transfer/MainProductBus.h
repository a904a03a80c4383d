#pragma once
// How requests reach the main product on the D-Bus session bus.
//
// A main product (Velmora, signature "VMRg") implements this: it owns the bus
// name made from its four-character signature, exports an object at
// kMainProductObjectPath with the interface kMainProductInterface, and answers
// the method kMainProductMethod:
//
//   HandleEvent(s eventClass, s eventID, a{sv} parameters) -> s replyText
//
// The parameters are keyed by four-character keywords; the direct object is
// keyed "----" and holds an Int32 ("i") or a text ("s"), or is missing. The
// reply text may be empty. A missing service or no reply counts as "the event
// was not sent"; an error reply of the running product as an empty answer.
#include <QLatin1StringView>
#include <QString>

inline constexpr QLatin1StringView kMainProductBusPrefix{"de.kelmarin.signature."};
inline constexpr QLatin1StringView kMainProductObjectPath{"/AppleEvent"};
inline constexpr QLatin1StringView kMainProductInterface{"de.kelmarin.AppleEvent"};
inline constexpr QLatin1StringView kMainProductMethod{"HandleEvent"};
inline constexpr QLatin1StringView kMainProductInSignature{"ssa{sv}"};
inline constexpr QLatin1StringView kMainProductOutSignature{"s"};
inline constexpr QLatin1StringView kDirectObjectKeyword{"----"};

// The bus name of the application with the given signature. A signature may
// hold characters a bus name may not (blanks, punctuation, a leading digit),
// so everything but ASCII letters and digits is written as "_" and four hex
// digits of its code, and the element never starts with a digit: "VMRg" gives
// "de.kelmarin.signature.VMRg", "ab 1" gives "de.kelmarin.signature.ab_00201".
inline QString mainProductBusName(const QString &signature)
{
    QString element;
    for (const QChar c : signature) {
        const char16_t u = c.unicode();
        const bool letter = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
        const bool digit = u >= u'0' && u <= u'9';
        if (letter || (digit && !element.isEmpty()))
            element += c;
        else
            element += u'_' + QString::number(u, 16).rightJustified(4, u'0');
    }
    if (element.isEmpty())
        element = QStringLiteral("_");
    return kMainProductBusPrefix + element;
}
