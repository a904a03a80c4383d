#pragma once
// How a sentence reaches the target application, chosen by the target's
// creator code and the connection type.
#include <QString>

#include <functional>

enum class TransferRoute {
    Nothing,        // the target takes nothing
    InsertMSWD,     // script 174 with (sentence)
    InsertOther,    // script 168 with (process name, sentence)
    PasteGeneric,   // clipboard, then script 175 with (process name)
    PasteMSWD,      // clipboard, then script 176 with (process name)
};

// The direct routes need this connection type (spelled so).
inline const QString &customConnectionType()
{
    static const QString type = QStringLiteral("ConectCustom");
    return type;
}

// The route for a target. The connection type is asked for only when the
// creator code has a route of its own for the custom connection.
TransferRoute chooseTransferRoute(const QString &creator, const std::function<QString()> &connectionType);
