#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>

// The preferences-file service: an INI reader and writer shared by the
// configuration file, the profile file and the language file.
//
// Reading takes the whole file at once: UTF-8 when it starts with a
// byte-order mark, else every byte is Latin-1. Leading blanks and tabs of a
// line are skipped, ";" starts a comment, "[" names a group (to "]" or the
// line end), other lines are key "=" value. Group and key names match
// without regard to ASCII case; a key is looked up only inside its group and
// the first match wins.
struct IniLine {
    QString key;    // trailing blanks and tabs removed
    QString value;  // leading blanks and tabs removed
};
struct IniGroup {
    QString name;
    QList<IniLine> lines;
};
struct IniDocument {
    QList<IniGroup> groups;
};

// Parses file bytes; never fails.
IniDocument ParseIni(const QByteArray& bytes);
// Reads and parses a file; false when it cannot be opened.
bool ReadIniFile(const QString& path, IniDocument* document);

// The group of that name, or nullptr.
const IniGroup* FindIniGroup(const IniDocument& document, const QString& group);
// True and the raw value (leading blanks removed) when the group has the key.
bool FindIniValue(const IniDocument& document, const QString& group, const QString& key, QString* value);

// Typed readings with a default for a missing key. Texts lose leading and
// trailing blanks and tabs; ints read like atoi; 8-bit values keep the low
// 8 bits; reals read like atof or "+Infinity", "-Infinity", "NaN".
QString IniReadText(const IniDocument& d, const QString& group, const QString& key, const QString& fallback);
int32_t IniReadInt(const IniDocument& d, const QString& group, const QString& key, int32_t fallback);
int8_t IniReadByte(const IniDocument& d, const QString& group, const QString& key, int8_t fallback);
float IniReadFloat(const IniDocument& d, const QString& group, const QString& key, float fallback);

// The reading rules on their own, locale-free. AtoiLike saturates at the
// 32-bit range instead of overflowing; AtofLike also knows the three words.
int32_t AtoiLike(const QString& text);
double AtofLike(const QString& text);
// The text without leading and trailing blanks and tabs.
QString TrimBlanks(const QString& text);
// Equality of names without regard to ASCII letter case.
bool SameNameIgnoringCase(const QString& a, const QString& b);

// Writing: a byte-order mark then CR LF, "key = value" lines, CR LF line ends.
// A line break inside a name or value is dropped, since it would end the line
// and let the rest be read back as a line of its own.
struct IniWriter {
    QByteArray bytes;
};
void IniBegin(IniWriter* w);
void IniWriteGroup(IniWriter* w, const QString& name);
void IniWriteText(IniWriter* w, const QString& key, const QString& value);
void IniWriteInt(IniWriter* w, const QString& key, int32_t value);  // "%d"
void IniWriteByte(IniWriter* w, const QString& key, int8_t value);  // signed 8-bit
void IniWriteFloat(IniWriter* w, const QString& key, float value);  // "%f" or the special words
void IniWriteComment(IniWriter* w);                                 // the "; " line
// Writes the bytes to a temporary file beside the path, flushes it and
// renames it over the path; on any failure the old file stays as it was.
bool IniSaveFile(const IniWriter& w, const QString& path);
