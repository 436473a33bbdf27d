#include "copydatanotice.h"

#include <QByteArray>
#include <QMessageBox>
#include <QWidget>

std::optional<QString> noticeText(const CopyDataRecord &record)
{
    if (record.tag != kNoticeTag)
        return std::nullopt;
    const char *bytes = static_cast<const char *>(record.data);
    const qsizetype length = bytes ? qsizetype(qstrnlen(bytes, record.byteCount)) : 0;
    const QString text = QString::fromUtf8(bytes, length);
    if (qsizetype(record.byteCount) != text.toUtf8().size())
        return std::nullopt;
    return text;
}

void showCopyDataNotice(const CopyDataRecord &record, void *window)
{
    auto *widget = static_cast<QWidget *>(window);
    if (!widget)
        return;
    if (const std::optional<QString> text = noticeText(record))
        QMessageBox::warning(nullptr, widget->windowTitle(), *text, QMessageBox::Ok);
}
