#include "picturefile.h"

#include "regularfile.h"

#include <QImageReader>

QImage loadPicture(const QString& path)
{
    const std::unique_ptr<QFile> file = openRegularFile(path);
    if (!file)
        return {};
    QImageReader reader(file.get());
    reader.setDecideFormatFromContent(true);
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}
