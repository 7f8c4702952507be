#include "savefailure.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStorageInfo>

namespace {
enum class Reason { DiskFull, NotWritable, Other };

Reason likelyReason(const QString& file)
{
    const QFileInfo info(file);
    const QFileInfo folder(info.absolutePath());
    const QStorageInfo storage(folder.absoluteFilePath());
    if (storage.isValid() && storage.bytesAvailable() == 0)
        return Reason::DiskFull;
    if ((storage.isValid() && storage.isReadOnly()) || !folder.isDir() || !folder.isWritable() ||
        (info.exists() && (!info.isFile() || !info.isWritable())))
        return Reason::NotWritable;
    return Reason::Other;
}
} // namespace

QString saveFailureMessage(const QString& file)
{
    QString reason;
    switch (likelyReason(file)) {
    case Reason::DiskFull:
        //: Why the plant could not be saved
        reason = QCoreApplication::translate("SaveFailure", "ディスクに空きがありません。");
        break;
    case Reason::NotWritable:
        //: Why the plant could not be saved
        reason = QCoreApplication::translate("SaveFailure", "書き込みが許可されていません。");
        break;
    case Reason::Other:
        //: Why the plant could not be saved, when the reason is not known
        reason = QCoreApplication::translate("SaveFailure", "書き込みに失敗しました。");
        break;
    }
    //: A message window; %1 is the file the plant is kept in, %2 the reason
    return QCoreApplication::translate("SaveFailure",
                                       "モルビックのようすを保存できませんでした。\n\n%1\n%2")
        .arg(file, reason);
}

QString saveFailureLine(const QString& file)
{
    QString reason;
    switch (likelyReason(file)) {
    case Reason::DiskFull:
        reason = QStringLiteral("the disk is full");
        break;
    case Reason::NotWritable:
        reason = QStringLiteral("it is not writable");
        break;
    case Reason::Other:
        reason = QStringLiteral("the write failed");
        break;
    }
    return QStringLiteral("morvick: could not save the plant to %1: %2").arg(file, reason);
}
