#include "plugins.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {
QString fileName(const QString& name)
{
    return QStringLiteral("lib%1.so").arg(name);
}
} // namespace

QString pluginFolder(const QString& executableFolder)
{
    const QDir beside(executableFolder);
    if (QFileInfo::exists(beside.filePath(fileName(QStringLiteral("morvick_sound")))))
        return beside.absolutePath();
    return QDir::cleanPath(beside.absoluteFilePath(QStringLiteral("../lib/morvick")));
}

QObject* loadPlugin(const QString& folder, const QString& name)
{
    QPluginLoader loader(QDir(folder).filePath(fileName(name)));
    return loader.instance();
}
