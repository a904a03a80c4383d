#include "Pictures.h"

#include "Folders.h"

#include <QBitmap>
#include <QDir>
#include <QHash>
#include <QImage>

const QPixmap &pictureByNumber(int number, bool transparent)
{
    static QHash<int, QPixmap> loaded;
    auto it = loaded.find(number);
    if (it != loaded.end())
        return it.value();
    QPixmap picture;
    const QString path = QDir(programFolder()).filePath(QStringLiteral("pictures/%1.png").arg(number));
    QImage image;
    if (image.load(path)) {
        picture = QPixmap::fromImage(image);
        // White is the transparent colour of a transparent picture.
        if (transparent && !image.hasAlphaChannel())
            picture.setMask(picture.createMaskFromColor(Qt::white, Qt::MaskInColor));
    }
    return loaded.insert(number, picture).value();
}
