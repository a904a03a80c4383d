#include "Pictures.h"

#include "Folders.h"

#include <QBitmap>
#include <QDir>
#include <QImage>

#include <map>

const QPixmap &pictureByNumber(int number, bool transparent)
{
    // A map keeps every picture in its place: the references handed out
    // stay valid while more pictures are loaded.
    static std::map<int, QPixmap> loaded;
    const auto it = loaded.find(number);
    if (it != loaded.end())
        return it->second;
    QPixmap picture;
    const QString path = QDir(programFolder()).filePath(QStringLiteral("pictures/%1.png").arg(number));
    QImage image;
    if (image.load(path)) {
        picture = QPixmap::fromImage(image);
        // White is the transparent colour of a transparent picture.
        if (transparent && !image.hasAlphaChannel())
            picture.setMask(picture.createMaskFromColor(Qt::white, Qt::MaskInColor));
    }
    return loaded.emplace(number, picture).first->second;
}
