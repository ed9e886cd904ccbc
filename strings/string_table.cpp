#include "strings/string_table.h"

#include <algorithm>
#include <array>

#include <QList>

#include "settings/ini.h"
#include "strings/string_data.h"

namespace {

const QString NoStringError = QStringLiteral("%NO_STRING_ERROR%");
const QChar KeyJoiner(0x0001);
constexpr int IndexSlots = 256;

struct StringGroup {
    QString name;  // upper case
    int first = 0;
    int last = 0;
    // Slot c: number of the first entry whose key begins with code c, 0 for none.
    std::array<int, IndexSlots> index{};
};

struct StringEntry {
    QString key;  // upper case
    QString text;
};

// Record 0 of both lists is a placeholder so that 0 can mean "none".
struct StringTable {
    QList<StringGroup> groups;
    QList<StringEntry> entries;
    // The group the last lookup found; kept across reloads.
    int currentGroup = 0;
};

StringTable Table;

// Groups and keys are ASCII, and the language file matches them by ASCII case
// too, so only a-z are folded.
QString AsciiUpper(const QString& text) {
    QString result = text;
    for (QChar& ch : result) {
        if (ch >= u'a' && ch <= u'z') ch = QChar(ch.unicode() - u'a' + u'A');
    }
    return result;
}

bool IsMarker(const char16_t* key, const char* marker) {
    return AsciiUpper(QString::fromUtf16(key)) == QLatin1String(marker);
}

bool LessByCodeUnits(const QString& a, const QString& b) {
    return std::lexicographical_compare(a.utf16(), a.utf16() + a.size(), b.utf16(), b.utf16() + b.size());
}

// Sorts one group's range and builds its first-character index.
void IndexGroup(StringGroup* group) {
    QStringList joined;
    for (int n = group->first; n <= group->last; ++n) {
        const StringEntry& entry = Table.entries[n];
        joined.append(entry.key + KeyJoiner + entry.text);
    }
    // The joiner sorts below every key character, so a key that begins
    // another key comes first and a lookup can stop at the first greater key.
    std::sort(joined.begin(), joined.end(), LessByCodeUnits);
    for (int n = group->first; n <= group->last; ++n) {
        const QString& text = joined[n - group->first];
        const qsizetype split = text.indexOf(KeyJoiner);
        StringEntry& entry = Table.entries[n];
        entry.key = text.left(split);
        entry.text = text.mid(split + 1);
        if (entry.key.isEmpty()) continue;
        const char16_t c = entry.key.at(0).unicode();
        if (c < IndexSlots && group->index[c] == 0) group->index[c] = n;
    }
}

void ApplyLanguageFile(const QString& languageFile) {
    IniDocument document;
    if (languageFile.isEmpty() || !ReadIniFile(languageFile, &document)) return;
    for (int g = 1; g < Table.groups.size(); ++g) {
        const StringGroup& group = Table.groups[g];
        if (group.first > group.last) continue;
        if (!FindIniGroup(document, group.name)) continue;
        for (int n = group.first; n <= group.last; ++n) {
            StringEntry& entry = Table.entries[n];
            entry.text = IniReadText(document, group.name, entry.key, entry.text);
        }
    }
}

}  // namespace

void LoadStringTable(const QString& languageFile) {
    // First pass: sizes.
    int groupCount = 0;
    int entryCount = 0;
    for (int i = 0; i < BuiltInStringCount; ++i) {
        const char16_t* key = BuiltInStrings[i].key;
        if (IsMarker(key, "_END_")) break;
        if (IsMarker(key, "_GROUP_")) {
            ++groupCount;
        } else {
            ++entryCount;
        }
    }

    Table.groups = QList<StringGroup>(groupCount + 1);
    Table.entries = QList<StringEntry>(entryCount + 1);

    // Second pass: fill the records in block order.
    int n = 0;
    int g = 0;
    for (int i = 0; i < BuiltInStringCount; ++i) {
        const BuiltInString& pair = BuiltInStrings[i];
        if (IsMarker(pair.key, "_END_")) break;
        if (IsMarker(pair.key, "_GROUP_")) {
            Table.groups[g].last = n;
            StringGroup& next = Table.groups[g + 1];
            next.name = AsciiUpper(QString::fromUtf16(pair.value));
            next.first = n + 1;
            next.index.fill(0);
            ++g;
            continue;
        }
        ++n;
        Table.entries[n].key = AsciiUpper(QString::fromUtf16(pair.key));
        Table.entries[n].text = QString::fromUtf16(pair.value);
    }
    Table.groups[g].last = n;

    for (int k = 1; k < Table.groups.size(); ++k) {
        StringGroup& group = Table.groups[k];
        if (group.first <= group.last) IndexGroup(&group);
    }

    ApplyLanguageFile(languageFile);
}

QString GetString(const QString& group, const QString& key) {
    const QString groupName = AsciiUpper(group);
    const QString keyName = AsciiUpper(key);
    if (Table.groups.isEmpty()) return NoStringError;
    // A reload may in principle bring fewer groups than the remembered one.
    if (Table.currentGroup < 0 || Table.currentGroup >= Table.groups.size()) {
        Table.currentGroup = 0;
    }

    if (Table.groups[Table.currentGroup].name != groupName) {
        Table.currentGroup = 0;
        for (int g = 1; g < Table.groups.size(); ++g) {
            if (Table.groups[g].name == groupName) {
                Table.currentGroup = g;
                break;
            }
        }
    }
    if (Table.currentGroup == 0) return NoStringError;

    const StringGroup& found = Table.groups[Table.currentGroup];
    const char16_t c = keyName.isEmpty() ? 0 : keyName.at(0).unicode();
    // Every built-in key is ASCII; a first character outside the index has no entry.
    if (c >= IndexSlots || found.index[c] == 0) return NoStringError;
    for (int n = found.index[c]; n <= found.last; ++n) {
        const StringEntry& entry = Table.entries[n];
        if (keyName == entry.key) return entry.text;
        if (LessByCodeUnits(keyName, entry.key)) break;
    }
    return NoStringError;
}

namespace {

// Replaces "%sK%" (with "s" in either case) from left to right; the inserted
// value is not searched again.
QString ReplacePlaceholder(const QString& text, QChar digit, const QString& value) {
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (i + 4 <= text.size() && text[i] == u'%' && (text[i + 1] == u's' || text[i + 1] == u'S') &&
            text[i + 2] == digit && text[i + 3] == u'%') {
            result += value;
            i += 4;
        } else {
            result += text[i];
            ++i;
        }
    }
    return result;
}

}  // namespace

QString FillPlaceholders(const QString& text, const QString& s1, const QString& s2, const QString& s3,
                         const QString& s4) {
    if (text.isEmpty()) return text;
    QString result = text;
    const QString* values[] = {&s1, &s2, &s3, &s4};
    for (int k = 0; k < 4; ++k) {
        if (!values[k]->isEmpty()) result = ReplacePlaceholder(result, QChar(u'1' + k), *values[k]);
    }
    return result;
}
