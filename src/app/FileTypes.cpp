#include "FileTypes.h"

#include <vector>

namespace {
std::vector<FileType> &registered()
{
    static std::vector<FileType> types;
    return types;
}

const FileType &typeAt(std::size_t index)
{
    FileTypes::init();
    return registered().at(index);
}
} // namespace

namespace FileTypes {

void init()
{
    auto &types = registered();
    if (!types.empty())
        return;
    const auto add = [&types](const char *name, const char *extensions, const char *macType, const char *creator) {
        types.push_back({QString::fromUtf8(name), QString::fromUtf8(extensions), QString::fromUtf8(macType),
                         QString::fromUtf8(creator)});
    };
    add("text", "", "TEXT", "R*ch");
    add("database/new", ".rbd", "????", "????");
    add("database/rbv2", ".rbd", "Rdb2", "RBv2");
    add("application/text", ".1st;.nfo;.readme;readme;.txt", "TEXT", "text");
    add("VMRan/SentenceDB", ".rbd", "????", "VMRb");
    add("application/binary", "", "", "");
}

const FileType &pText() { return typeAt(0); }
const FileType &pApplicationText() { return typeAt(3); }
const FileType &pVMRanSentenceDB() { return typeAt(4); }
const FileType &pApplicationBinary() { return typeAt(5); }

const FileType *byName(const QString &name)
{
    init();
    for (const FileType &type : registered())
        if (type.Name == name)
            return &type;
    return nullptr;
}

QStringList nameFilters(const QString &name)
{
    const FileType *type = byName(name);
    if (!type || type->Extensions.isEmpty())
        return {QStringLiteral("%1 (*)").arg(name)};
    QStringList patterns;
    for (const QString &ext : type->Extensions.split(u';', Qt::SkipEmptyParts))
        patterns << (ext.startsWith(u'.') ? QStringLiteral("*") + ext : ext);
    return {QStringLiteral("%1 (%2)").arg(name, patterns.join(u' ')), QStringLiteral("Alle Dateien (*)")};
}

} // namespace FileTypes
