#include "ctlreport.h"

void CtlReport::fail(int exitCode, const QString &error)
{
    if (failed())
        return;
    m_exitCode = exitCode;
    m_error = error;
}

QJsonObject CtlReport::object(const QString &command) const
{
    QJsonObject out = m_object;
    out.insert(QStringLiteral("command"), command);
    out.insert(QStringLiteral("ok"), !failed());
    out.insert(QStringLiteral("exitCode"), m_exitCode);
    if (failed())
        out.insert(QStringLiteral("error"), m_error);
    return out;
}
