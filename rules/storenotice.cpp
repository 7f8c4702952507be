#include "storenotice.h"

#include <QCoreApplication>

QString keptAsideMessage(const QString& file, const QString& aside)
{
    //: Start-up message: the saved plant's file could not be read; it was renamed
    //: (%1 the file, %2 its new name) and the game starts with a new plant.
    return QCoreApplication::translate("StoreNotice",
                                       "モルビックの記録を読めなかったので、別の名前で残しました。"
                                       "新しいモルビックを育てます。\n\n%1\n→ %2")
        .arg(file, aside);
}

QString keptAsideLine(const QString& file, const QString& aside)
{
    return QStringLiteral("morvick: could not read the plant from %1; kept it as %2 and started "
                          "anew")
        .arg(file, aside);
}

QString refusedStoreMessage(const QString& file)
{
    //: Start-up message: the place of the saved plant's file (%1) holds something
    //: that is not an ordinary file (a folder, a pipe, a device), so the game ends.
    return QCoreApplication::translate("StoreNotice",
                                       "モルビックの記録の場所に、ふつうのファイルではないものが"
                                       "あるか、読めないファイルがあるため、ゲームを終了します。"
                                       "\n\n%1")
        .arg(file);
}

QString refusedStoreLine(const QString& file)
{
    return QStringLiteral("morvick: %1 is not a regular file that the game can read and write; "
                          "the game ends")
        .arg(file);
}
