#include "app/profile.h"

#include "app/long_options.h"
#include "settings/ini.h"

namespace {

QString AsciiUpper(const QString& text) {
    QString upper = text;
    for (QChar& c : upper)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
    return upper;
}

QString WithoutOuterQuotes(const QString& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u'"') ++start;
    while (end > start && text[end - 1] == u'"') --end;
    return text.mid(start, end - start);
}

}  // namespace

bool ApplyProfile(const QString& path) {
    if (path.isEmpty()) return false;
    IniDocument document;
    if (!ReadIniFile(path, &document)) return false;
    const IniGroup* group = FindIniGroup(document, QStringLiteral("CLI"));
    if (!group) return true;
    for (const IniLine& line : group->lines) {
        const QString name = AsciiUpper(line.key);
        QString value = TrimBlanks(line.value);
        // Only the mask loses its quotes; other texts keep them as written.
        if (name == QLatin1String("--FILENAME-MASK")) value = WithoutOuterQuotes(value);
        ApplyLongOption(name, value, OptionSource::Profile);
    }
    return true;
}
