#include "TransferRoute.h"

#include "framework/TextCompare.h"

TransferRoute chooseTransferRoute(const QString &creator, const std::function<QString()> &connectionType)
{
    if (textEquals(creator, QStringLiteral("RBv2")))
        return TransferRoute::Nothing;
    const bool isWord = textEquals(creator, QStringLiteral("MSWD"));
    const bool hasCustomRoute = isWord || textEquals(creator, QStringLiteral("C#+A"))
                                || textEquals(creator, QStringLiteral("BOBO"));
    if (hasCustomRoute && textEquals(connectionType(), customConnectionType())) {
        if (isWord)
            return TransferRoute::InsertMSWD;
        if (textEquals(creator, QStringLiteral("C#+A")))
            return TransferRoute::InsertOther;
        return TransferRoute::PasteGeneric;
    }
    return isWord ? TransferRoute::PasteMSWD : TransferRoute::PasteGeneric;
}
