#include "settings/ini.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "platform/atomic_write.h"
#include "platform/file_head.h"

namespace {

bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

// The white space that the C library's number readers skip.
bool IsCSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

char16_t AsciiLower(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c;
}

QString Decode(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) return QString::fromUtf8(bytes.mid(3));
    return QString::fromLatin1(bytes);
}

void ParseLine(const QString& line, IniDocument* document) {
    qsizetype start = 0;
    while (start < line.size() && IsBlank(line[start])) ++start;
    if (start == line.size() || line[start] == u';') return;
    if (line[start] == u'[') {
        qsizetype end = line.indexOf(u']', start + 1);
        if (end < 0) end = line.size();
        document->groups.append(IniGroup{TrimBlanks(line.mid(start + 1, end - start - 1)), {}});
        return;
    }
    // Lines before the first group belong to no group and are never read.
    if (document->groups.isEmpty()) return;
    const qsizetype equals = line.indexOf(u'=', start);
    IniLine entry;
    if (equals < 0) {
        entry.key = TrimBlanks(line.mid(start));
    } else {
        entry.key = TrimBlanks(line.mid(start, equals - start));
        qsizetype valueStart = equals + 1;
        while (valueStart < line.size() && IsBlank(line[valueStart])) ++valueStart;
        entry.value = line.mid(valueStart);
    }
    document->groups.last().lines.append(entry);
}

int32_t Saturate(bool negative, uint64_t magnitude) {
    if (negative) {
        const uint64_t limit = uint64_t(std::numeric_limits<int32_t>::max()) + 1;
        return magnitude >= limit ? std::numeric_limits<int32_t>::min() : -int32_t(magnitude);
    }
    const uint64_t limit = uint64_t(std::numeric_limits<int32_t>::max());
    return magnitude >= limit ? std::numeric_limits<int32_t>::max() : int32_t(magnitude);
}

// A line break in a written name or value would split the line in two.
QByteArray Clean(const QString& text) {
    QString cleaned = text;
    cleaned.remove(u'\r');
    cleaned.remove(u'\n');
    return cleaned.toUtf8();
}

void WriteLine(IniWriter* w, const QByteArray& line) {
    w->bytes += line;
    w->bytes += "\r\n";
}

void WriteKey(IniWriter* w, const QString& key, const QByteArray& value) {
    WriteLine(w, Clean(key) + " = " + value);
}

}  // namespace

QString TrimBlanks(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && IsBlank(text[start])) ++start;
    while (end > start && IsBlank(text[end - 1])) --end;
    return text.mid(start, end - start);
}

bool SameNameIgnoringCase(const QString& a, const QString& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i].unicode()) != AsciiLower(b[i].unicode())) return false;
    return true;
}

IniDocument ParseIni(const QByteArray& bytes) {
    IniDocument document;
    const QString text = Decode(bytes);
    qsizetype start = 0;
    // CR LF, LF and a lone CR all end a line; the empty lines between are skipped.
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
        ParseLine(text.mid(start, end - start), &document);
        start = end + 1;
    }
    return document;
}

bool ReadIniFile(const QString& path, IniDocument* document) {
    QByteArray bytes;
    if (!ReadWholeFile(path, &bytes)) return false;
    *document = ParseIni(bytes);
    return true;
}

const IniGroup* FindIniGroup(const IniDocument& document, const QString& group) {
    for (const IniGroup& g : document.groups)
        if (SameNameIgnoringCase(g.name, group)) return &g;
    return nullptr;
}

bool FindIniValue(const IniDocument& document, const QString& group, const QString& key, QString* value) {
    const IniGroup* g = FindIniGroup(document, group);
    if (!g) return false;
    for (const IniLine& line : g->lines) {
        if (SameNameIgnoringCase(line.key, key)) {
            *value = line.value;
            return true;
        }
    }
    return false;
}

QString IniReadText(const IniDocument& d, const QString& group, const QString& key, const QString& fallback) {
    QString value;
    return FindIniValue(d, group, key, &value) ? TrimBlanks(value) : fallback;
}

int32_t IniReadInt(const IniDocument& d, const QString& group, const QString& key, int32_t fallback) {
    QString value;
    return FindIniValue(d, group, key, &value) ? AtoiLike(value) : fallback;
}

int8_t IniReadByte(const IniDocument& d, const QString& group, const QString& key, int8_t fallback) {
    QString value;
    if (!FindIniValue(d, group, key, &value)) return fallback;
    return static_cast<int8_t>(static_cast<uint8_t>(static_cast<uint32_t>(AtoiLike(value)) & 0xFFu));
}

float IniReadFloat(const IniDocument& d, const QString& group, const QString& key, float fallback) {
    QString value;
    if (!FindIniValue(d, group, key, &value)) return fallback;
    const double reading = AtofLike(value);
    // A finite double beyond the float range has no float value; it becomes infinite.
    if (std::isfinite(reading) && std::fabs(reading) > std::numeric_limits<float>::max())
        return reading < 0 ? -std::numeric_limits<float>::infinity() : std::numeric_limits<float>::infinity();
    return static_cast<float>(reading);
}

int32_t AtoiLike(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    uint64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + uint64_t(text[i].unicode() - u'0');
        if (magnitude > uint64_t(1) << 32) magnitude = uint64_t(1) << 32;  // already out of range
    }
    return Saturate(negative, magnitude);
}

double AtofLike(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("+Infinity"), Qt::CaseInsensitive) == 0)
        return std::numeric_limits<double>::infinity();
    if (word.compare(QLatin1String("-Infinity"), Qt::CaseInsensitive) == 0)
        return -std::numeric_limits<double>::infinity();
    if (word.compare(QLatin1String("NaN"), Qt::CaseInsensitive) == 0) return std::numeric_limits<double>::quiet_NaN();

    // Collect the longest prefix of the shape [sign] digits [. digits] [e [sign] digits]
    // by hand, so that the locale plays no part.
    qsizetype i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
    // Like the C library, "inf", "infinity" and "nan" are read in any case.
    const QStringView rest = QStringView(text).mid(i);
    if (rest.startsWith(QLatin1String("inf"), Qt::CaseInsensitive))
        return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    if (rest.startsWith(QLatin1String("nan"), Qt::CaseInsensitive)) return std::numeric_limits<double>::quiet_NaN();
    std::string number;
    int mantissaDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) number += char(text[i].unicode());
    if (i < text.size() && text[i] == u'.') {
        number += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++mantissaDigits) number += char(text[i].unicode());
    }
    if (mantissaDigits == 0) return 0.0;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-')) exponent += char(text[j++].unicode());
        if (j < text.size() && IsDigit(text[j])) {
            for (; j < text.size() && IsDigit(text[j]); ++j) exponent += char(text[j].unicode());
            number += exponent;
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large reads as infinity and too small as zero, as strtod gives them.
        const bool tiny = number.find("e-") != std::string::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (result.ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

void IniBegin(IniWriter* w) {
    w->bytes = QByteArrayLiteral("\xEF\xBB\xBF\r\n");
}

void IniWriteGroup(IniWriter* w, const QString& name) {
    WriteLine(w, "[" + Clean(name) + "]");
}

void IniWriteText(IniWriter* w, const QString& key, const QString& value) {
    WriteKey(w, key, Clean(value));
}

void IniWriteInt(IniWriter* w, const QString& key, int32_t value) {
    WriteKey(w, key, QByteArray::number(value));
}

void IniWriteByte(IniWriter* w, const QString& key, int8_t value) {
    WriteKey(w, key, QByteArray::number(int(value)));
}

void IniWriteFloat(IniWriter* w, const QString& key, float value) {
    QByteArray text;
    if (std::isnan(value))
        text = "NaN";
    else if (std::isinf(value))
        text = value < 0 ? "-Infinity" : "+Infinity";
    else
        text = QByteArray::number(double(value), 'f', 6);  // locale-free, like "%f"
    WriteKey(w, key, text);
}

void IniWriteComment(IniWriter* w) {
    WriteLine(w, "; ");
}

bool IniSaveFile(const IniWriter& w, const QString& path) {
    return WriteFileAtomically(path, w.bytes);
}
