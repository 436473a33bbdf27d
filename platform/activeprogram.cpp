#include "platform/activeprogram.h"

QString ActiveProgram::checkedName(const QString &fileName)
{
    if (fileName.isEmpty() || fileName.size() > 255)
        return {};
    for (const QChar c : fileName) {
        if (c.category() == QChar::Other_Control)
            return {};
    }
    return fileName;
}
