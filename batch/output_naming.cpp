#include "batch/output_naming.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

#include "batch/job.h"
#include "platform/date_value.h"
#include "platform/random.h"
#include "settings/settings.h"

namespace {

// Processing order of the placeholders: a value inserted by an earlier one
// may bring in text that a later one expands.
const char* const placeholderOrder[] = {
    "%filename%", "%filename[u]%", "%filename[l]%", "%filename[t]%", "%ext%", "%ext[u]%", "%ext[t]%", "%yyyy%", "%mm%",
    "%dd%",       "%hh%",          "%ii%",          "%ss%",          "%bpp%", "%width%",  "%height%", "%rnd%",  "%n%",
};

QString TitleCase(const QString& text) {
    if (text.isEmpty()) return text;
    return text.left(1).toUpper() + text.mid(1).toLower();
}

// Five digits with leading zeros; longer numbers keep their first five characters.
QString FiveDigits(int32_t value) {
    return QString::number(value).rightJustified(5, QLatin1Char('0'), true);
}

QString InputBaseName() {
    const QString& path = ConversionJob.currentInputPath;
    return StripExtension(path.mid(PathPart(path).size()));
}

// The local clock fields: a date value is local wall-clock time read as UTC.
QDateTime LocalClock() {
    return QDateTime::fromSecsSinceEpoch(CurrentDateValue(), Qt::UTC);
}

QString TwoDigits(int value) {
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

// The value of a placeholder (given in lower case); false for an unknown one.
bool PlaceholderValue(const QString& placeholder, QString* value) {
    const ConversionJobRecord& j = ConversionJob;
    if (placeholder == QLatin1String("%filename%"))
        *value = InputBaseName();
    else if (placeholder == QLatin1String("%filename[u]%"))
        *value = InputBaseName().toUpper();
    else if (placeholder == QLatin1String("%filename[l]%"))
        *value = InputBaseName().toLower();
    else if (placeholder == QLatin1String("%filename[t]%"))
        *value = TitleCase(InputBaseName());
    else if (placeholder == QLatin1String("%ext%"))
        *value = j.conversionType;
    else if (placeholder == QLatin1String("%ext[u]%"))
        *value = j.conversionType.toUpper();
    else if (placeholder == QLatin1String("%ext[t]%"))
        *value = TitleCase(j.conversionType);
    else if (placeholder == QLatin1String("%yyyy%"))
        *value = QString::number(LocalClock().date().year()).rightJustified(4, QLatin1Char('0'));
    else if (placeholder == QLatin1String("%mm%"))
        *value = TwoDigits(LocalClock().date().month());
    else if (placeholder == QLatin1String("%dd%"))
        *value = TwoDigits(LocalClock().date().day());
    else if (placeholder == QLatin1String("%hh%"))
        *value = TwoDigits(LocalClock().time().hour());
    else if (placeholder == QLatin1String("%ii%"))
        *value = TwoDigits(LocalClock().time().minute());
    else if (placeholder == QLatin1String("%ss%"))
        *value = TwoDigits(LocalClock().time().second());
    else if (placeholder == QLatin1String("%bpp%"))
        *value = QString::number(j.outputBitDepth);
    else if (placeholder == QLatin1String("%width%"))
        *value = QString::number(j.imageWidth);
    else if (placeholder == QLatin1String("%height%"))
        *value = QString::number(j.imageHeight);
    else if (placeholder == QLatin1String("%rnd%"))
        *value = FiveDigits(j.randomNumber);
    else if (placeholder == QLatin1String("%n%"))
        *value = FiveDigits(j.sequenceNumber);
    else
        return false;
    return true;
}

QString SubfolderPart() {
    return ConversionSettings.advanced.keepSubfolders != 0 ? ConversionJob.currentSubfolder : QString();
}

// Position of the dot that starts the extension part, or -1.
qsizetype ExtensionDot(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0) return -1;
    const QChar before = name.at(dot - 1);
    if (before == QLatin1Char('/') || before == QLatin1Char('\\')) return -1;
    for (qsizetype i = dot + 1; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(' ')) return -1;
    }
    return dot;
}

}  // namespace

QString ExtensionPart(const QString& name) {
    const qsizetype dot = ExtensionDot(name);
    if (dot < 0) return QString();
    QString extension = name.mid(dot + 1);
    const qsizetype quote = extension.indexOf(QLatin1Char('"'));
    if (quote >= 0) extension.truncate(quote);
    return extension;
}

QString StripExtension(const QString& name) {
    if (ExtensionPart(name).isEmpty()) return name;
    return name.left(ExtensionDot(name));
}

QString PathPart(const QString& name) {
    const qsizetype cut = qMax(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
    return name.left(cut + 1);
}

QString ExpandPlaceholder(const QString& text, const QString& placeholder) {
    QString value;
    if (!PlaceholderValue(placeholder.toLower(), &value)) return text;
    QString result = text;
    return result.replace(placeholder, value, Qt::CaseInsensitive);
}

QString ExpandFilenameMask() {
    // The whole mask is lowered so that placeholders match in any case;
    // literal characters come out in lower case too.
    QString mask = ConversionSettings.advanced.filenameMask.toLower();
    if (mask.isEmpty()) mask = QStringLiteral("%filename%.%ext%");
    for (const char* placeholder : placeholderOrder) {
        const QString p = QLatin1String(placeholder);
        if (mask.contains(p)) mask = ExpandPlaceholder(mask, p);
    }
    return mask;
}

QString ExpandWatermarkText() {
    QString text = ConversionSettings.watermark.text;
    if (text.count(QLatin1Char('%')) < 2) return text;
    // Detection on a lowered copy, replacement on the text itself, so literal
    // text keeps its case.
    const QString lowered = text.toLower();
    for (const char* placeholder : placeholderOrder) {
        const QString p = QLatin1String(placeholder);
        if (lowered.contains(p)) text = ExpandPlaceholder(text, p);
    }
    return text;
}

QString MakeTempName(const QString& prefix, const QString& suffix) {
    static const char alphabet[] = "abcdefghijklmnopqrstuvwxyz";
    QString letters;
    for (const QChar c : QString::number(CurrentDateValue())) {
        if (c.isDigit()) letters += QLatin1Char(alphabet[c.digitValue()]);
    }
    for (int i = 0; i < 5; ++i) letters += QLatin1Char(alphabet[RandomInt(0, 25)]);
    return prefix + letters + suffix;
}

QString BuildOutputPath() {
    return ConversionJob.outputFolder + SubfolderPart() + ExpandFilenameMask();
}

QString BuildTempPath() {
    return ConversionJob.outputFolder + SubfolderPart() + MakeTempName(QStringLiteral("rastoc"), QString()) +
           QLatin1Char('.') + ConversionJob.conversionType;
}
