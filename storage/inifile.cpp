#include "inifile.h"

#include "savelog.h"

#include <QDataStream>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

// The text follows QSettings' INI writer byte for byte, so files saved here
// and files saved by earlier versions of the program are the same files:
// "[section]" lines, "key=value" lines, a blank line between sections, keys
// with '%XX' escapes and '\' for '/', lists joined by ", ", strings quoted
// when they hold ';', ',' or '=' or start or end with a space, "@" types.

namespace {

constexpr char kHex[] = "0123456789ABCDEF";

bool isHexDigit(uint ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

int hexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    return ch - 'A' + 10;
}

// ---- writing ----------------------------------------------------------------------

void escapeKey(const QString &key, QByteArray &out)
{
    for (const QChar qch : key) {
        uint ch = qch.unicode();
        if (ch == '/') {
            out += '\\';
        } else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
                   || ch == '-' || ch == '.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += kHex[ch / 16];
            out += kHex[ch % 16];
        } else {
            out += "%U";
            char digits[4];
            for (int j = 3; j >= 0; --j, ch >>= 4)
                digits[j] = kHex[ch % 16];
            out.append(digits, 4);
        }
    }
}

void escapeString(const QString &str, QByteArray &out)
{
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    // The byte forms keep their bytes; everything else is UTF-8.
    const bool utf8 = !(str.startsWith(QLatin1String("@ByteArray(")) || str.startsWith(QLatin1String("@Variant(")));
    const qsizetype start = out.size();
    QStringEncoder toUtf8(QStringEncoder::Utf8);
    for (const QChar qch : str) {
        const uint ch = qch.unicode();
        if (ch == ';' || ch == ',' || ch == '=')
            needsQuotes = true;
        if (escapeNextIfDigit && isHexDigit(ch)) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case '\0':
            out += "\\0";
            escapeNextIfDigit = true;
            break;
        case '\a': out += "\\a"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\v': out += "\\v"; break;
        case '"':
        case '\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F || (ch >= 0x7F && !utf8)) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else if (utf8) {
                out += toUtf8(QStringView(&qch, 1));
            } else {
                out += char(ch);
            }
        }
    }
    if (needsQuotes || (start < out.size() && (out.at(start) == ' ' || out.at(out.size() - 1) == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

QString variantToString(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::UnknownType:
        return QStringLiteral("@Invalid()");
    case QMetaType::QByteArray:
        return QStringLiteral("@ByteArray(") + QLatin1String(v.toByteArray()) + u')';
    case QMetaType::QString:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Bool:
    case QMetaType::Float:
    case QMetaType::Double: {
        QString result = v.toString();
        if (result.contains(QChar::Null))
            result = QStringLiteral("@String(") + result + u')';
        else if (result.startsWith(u'@'))
            result.prepend(u'@');
        return result;
    }
    default: {
        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream.setVersion(QDataStream::Qt_4_0);
            stream << v;
        }
        return QStringLiteral("@Variant(") + QLatin1String(bytes) + u')';
    }
    }
}

void escapeValue(const QVariant &v, QByteArray &out)
{
    const int type = v.metaType().id();
    // A one-item list is written as its item, as QSettings does.
    if (type == QMetaType::QStringList || (type == QMetaType::QVariantList && v.toList().size() != 1)) {
        const QVariantList items = v.toList();
        if (items.isEmpty())
            out += "@Invalid()";
        for (qsizetype i = 0; i < items.size(); ++i) {
            if (i != 0)
                out += ", ";
            escapeString(variantToString(items.at(i)), out);
        }
    } else {
        escapeString(variantToString(v), out);
    }
}

// ---- reading ----------------------------------------------------------------------

bool isSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

// One logical line from `pos`: leading blanks and whole-line comments are
// skipped, a quoted part or a backslash may carry the line on.
bool readLine(const QByteArray &data, qsizetype &pos, qsizetype &lineStart, qsizetype &lineLen, qsizetype &equalsPos)
{
    const qsizetype size = data.size();
    bool inQuotes = false;
    equalsPos = -1;
    lineStart = pos;
    while (lineStart < size && isSpace(data.at(lineStart)))
        ++lineStart;
    qsizetype i = lineStart;
    while (i < size) {
        const char ch = data.at(i++);
        if (ch == '=') {
            if (!inQuotes && equalsPos == -1)
                equalsPos = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == lineStart + 1) {
                ++lineStart;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < size) {
                const char next = data.at(i++);
                if (i < size) {
                    const char after = data.at(i);
                    if ((next == '\n' && after == '\r') || (next == '\r' && after == '\n'))
                        ++i;
                }
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';') {
            if (i == lineStart + 1) {
                while (i < size && data.at(i) != '\n' && data.at(i) != '\r')
                    ++i;
                while (i < size && isSpace(data.at(i)))
                    ++i;
                lineStart = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    lineLen = i - lineStart;
    return lineLen > 0;
}

QString unescapeKey(const QByteArray &key)
{
    const QString decoded = QString::fromUtf8(key);
    QString result;
    const qsizetype size = decoded.size();
    qsizetype i = 0;
    while (i < size) {
        const char16_t ch = decoded.at(i).unicode();
        if (ch == '\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (ch != '%' || i == size - 1) {
            result += QChar(ch);
            ++i;
            continue;
        }
        int digits = 2;
        qsizetype first = i + 1;
        if (decoded.at(i + 1) == u'U') {
            ++first;
            digits = 4;
        }
        bool ok = first + digits <= size;
        const ushort code = ok ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

void chopTrailingSpaces(QString &str, qsizetype limit)
{
    qsizetype n = str.size();
    while (n > limit && (str.at(n - 1) == u' ' || str.at(n - 1) == u'\t'))
        --n;
    str.truncate(n);
}

// The value's text: one string, or a list when it has an unquoted comma.
bool unescapeValue(const QByteArray &str, QString &text, QStringList &list)
{
    static const char escapes[][2] = {{'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'},  {'r', '\r'}, {'t', '\t'},
                                      {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
    bool isList = false;
    bool inQuotes = false;
    bool quoted = false;
    qsizetype i = 0;
    const qsizetype size = str.size();
    QStringDecoder fromUtf8(QStringDecoder::Utf8);
    auto skipSpaces = [&] {
        while (i < size && (str.at(i) == ' ' || str.at(i) == '\t'))
            ++i;
    };
    skipSpaces();
    qsizetype chopLimit = text.size();
    while (i < size) {
        const char ch = str.at(i);
        if (ch == '\\') {
            ++i;
            if (i >= size)
                break;
            const char code = str.at(i++);
            bool simple = false;
            for (const auto &escape : escapes) {
                if (code == escape[0]) {
                    text += QLatin1Char(escape[1]);
                    simple = true;
                    break;
                }
            }
            if (!simple && (code == 'x' || (code >= '0' && code <= '7'))) {
                const bool hex = code == 'x';
                char16_t value = hex ? 0 : char16_t(code - '0');
                if (hex && (i >= size || !isHexDigit(uchar(str.at(i))))) {
                    chopLimit = text.size();
                    continue; // "\x" without digits stands for nothing
                }
                while (i < size
                       && (hex ? isHexDigit(uchar(str.at(i))) : (str.at(i) >= '0' && str.at(i) <= '7'))) {
                    value = char16_t(hex ? (value << 4) + hexValue(str.at(i)) : (value << 3) + (str.at(i) - '0'));
                    ++i;
                }
                text += QChar(value);
            } else if (!simple && (code == '\n' || code == '\r')) {
                if (i < size) {
                    const char next = str.at(i);
                    if ((next == '\n' || next == '\r') && next != code)
                        ++i;
                }
            }
            chopLimit = text.size();
        } else if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipSpaces();
                chopLimit = text.size();
            }
        } else if (ch == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingSpaces(text, chopLimit);
            if (!isList) {
                isList = true;
                list.clear();
            }
            list.append(text);
            text.clear();
            quoted = false;
            ++i;
            skipSpaces();
            chopLimit = 0;
        } else {
            qsizetype j = i + 1;
            while (j < size && str.at(j) != '\\' && str.at(j) != '"' && str.at(j) != ',')
                ++j;
            text += fromUtf8(QByteArrayView(str).sliced(i, j - i));
            i = j;
        }
    }
    if (!quoted)
        chopTrailingSpaces(text, chopLimit);
    if (isList)
        list.append(text);
    return isList;
}

QVariant stringToVariant(const QString &s)
{
    if (s.startsWith(u'@')) {
        if (s.endsWith(u')')) {
            if (s.startsWith(QLatin1String("@ByteArray(")))
                return QVariant(QStringView(s).sliced(11).chopped(1).toLatin1());
            if (s.startsWith(QLatin1String("@String(")))
                return QVariant(QStringView(s).sliced(8).chopped(1).toString());
            if (s.startsWith(QLatin1String("@Variant("))) {
                QByteArray bytes = QStringView(s).sliced(9).chopped(1).toLatin1();
                QDataStream stream(&bytes, QIODevice::ReadOnly);
                stream.setVersion(QDataStream::Qt_4_0);
                QVariant result;
                stream >> result;
                return result;
            }
            if (s == QLatin1String("@Invalid()"))
                return QVariant();
        }
        if (s.startsWith(QLatin1String("@@")))
            return QVariant(s.sliced(1));
    }
    return QVariant(s);
}

QVariant listToVariant(QStringList list)
{
    for (QString &item : list) {
        if (!item.startsWith(u'@'))
            continue;
        if (item.size() < 2 || item.at(1) != u'@') {
            QVariantList variants;
            for (const QString &s : std::as_const(list))
                variants.append(stringToVariant(s));
            return variants;
        }
        item.remove(0, 1);
    }
    return list;
}

// The section of a key and the rest; keys of no section are in "General".
QString sectionOf(const QString &key)
{
    const qsizetype slash = key.indexOf(u'/');
    return slash < 0 ? QString() : key.left(slash);
}

// ---- the settings format --------------------------------------------------------

QString fileNameOf(const QIODevice &device)
{
    const auto *file = qobject_cast<const QFileDevice *>(&device);
    return file ? file->fileName() : QString();
}

bool readSettings(QIODevice &device, QSettings::SettingsMap &values)
{
    return IniFile::decode(device.readAll(), values);
}

bool writeSettings(QIODevice &device, const QSettings::SettingsMap &values)
{
    auto *file = qobject_cast<QFileDevice *>(&device);
    const QString target = fileNameOf(device);
    // The owner took the right to write away: the file is refused, never
    // replaced (a replacement would also be refused nothing as root).
    const QFileInfo old(target);
    if (old.exists() && !(old.permissions() & QFileDevice::WriteOwner)) {
        SaveLog::instance().failed(target, QStringLiteral("the file is read-only"));
        return false;
    }
    const QByteArray text = IniFile::encode(values);
    // The whole text must be in the file before QSettings renames it over
    // the old one: a short write, or one that fails when the buffer is
    // flushed, ends the save here and the temporary file is dropped.
    if (device.write(text) != text.size() || (file && !file->flush())) {
        SaveLog::instance().failed(target, device.errorString());
        return false;
    }
    SaveLog::instance().saved(target);
    return true;
}

} // namespace

QSettings::Format IniFile::format()
{
    static const QSettings::Format registered
        = QSettings::registerFormat(QStringLiteral("bin"), readSettings, writeSettings, Qt::CaseSensitive);
    return registered;
}

QByteArray IniFile::encode(const QSettings::SettingsMap &values)
{
    // QSettings' order: sections by name, then keys by name within each.
    QMap<QString, QList<QString>> sections;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        sections[sectionOf(it.key())].append(it.key());
    auto keyLess = [](const QString &a, const QString &b) {
        return QStringView(a).sliced(sectionOf(a).size()) < QStringView(b).sliced(sectionOf(b).size());
    };

    QByteArray out;
    for (auto it = sections.begin(); it != sections.end(); ++it) {
        const QString &section = it.key();
        QList<QString> &keys = it.value();
        std::sort(keys.begin(), keys.end(), keyLess);
        if (it != sections.begin())
            out += '\n';
        QByteArray name;
        escapeKey(section, name);
        if (name.isEmpty())
            out += "[General]";
        else if (name.compare("general", Qt::CaseInsensitive) == 0)
            out += "[%General]";
        else
            out += '[' + name + ']';
        out += '\n';
        for (const QString &key : std::as_const(keys)) {
            escapeKey(section.isEmpty() ? key : key.mid(section.size() + 1), out);
            out += '=';
            escapeValue(values.value(key), out);
            out += '\n';
        }
    }
    return out;
}

bool IniFile::decode(const QByteArray &input, QSettings::SettingsMap &values)
{
    QByteArray data = input;
    if (data.startsWith("\xef\xbb\xbf"))
        data.remove(0, 3);
    bool ok = true;
    QString section; // with its trailing '/', empty for General
    qsizetype pos = 0;
    qsizetype lineStart = 0;
    qsizetype lineLen = 0;
    qsizetype equalsPos = -1;
    while (readLine(data, pos, lineStart, lineLen, equalsPos)) {
        const QByteArray line = data.mid(lineStart, lineLen);
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            if (close < 0)
                ok = false;
            const QByteArray name = (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed();
            if (name.compare("general", Qt::CaseInsensitive) == 0)
                section.clear();
            else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                section = QString::fromLatin1(name.mid(1)) + u'/';
            else
                section = unescapeKey(name) + u'/';
            continue;
        }
        if (equalsPos < 0) {
            ok = ok && line.startsWith(';');
            continue;
        }
        const QString key = section + unescapeKey(data.mid(lineStart, equalsPos - lineStart).trimmed());
        QString text;
        QStringList list;
        const QByteArray raw = data.mid(equalsPos + 1, lineStart + lineLen - equalsPos - 1);
        values.insert(key, unescapeValue(raw, text, list) ? listToVariant(list) : stringToVariant(text));
    }
    return ok;
}

DataSettings::DataSettings(const QString &fileName, QObject *parent)
    : QSettings(fileName, IniFile::format(), parent)
{
}

DataSettings::~DataSettings()
{
    save();
}

bool DataSettings::save()
{
    SaveLog &log = SaveLog::instance();
    const quint64 before = log.count();
    sync();
    if (log.count() != before)
        return log.lastSucceeded();
    if (status() == QSettings::NoError)
        return true;
    // QSettings refused before writing anything (the file cannot be opened
    // for writing, its lock file cannot be written on a full disk), or an
    // earlier error stays in its status, which it never clears: the file
    // itself tells whether it holds what this object holds.
    QSettings::SettingsMap held;
    for (const QString &key : allKeys())
        held.insert(key, value(key));
    QFile file(fileName());
    QSettings::SettingsMap stored;
    if (file.open(QIODevice::ReadOnly))
        IniFile::decode(file.readAll(), stored);
    file.close();
    if (IniFile::encode(held) == IniFile::encode(stored))
        return true;
    const QFileInfo info(fileName());
    QString reason = QStringLiteral("the disk is full, or its folder cannot be written");
    if (info.exists() && !file.open(QIODevice::ReadWrite))
        reason = QStringLiteral("the file is read-only");
    log.failed(fileName(), reason);
    return false;
}

bool DataSettings::event(QEvent *event)
{
    // QSettings saves on its own once the event loop runs again.
    if (event->type() == QEvent::UpdateRequest) {
        save();
        return true;
    }
    return QSettings::event(event);
}
