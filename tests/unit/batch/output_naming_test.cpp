#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>
#include <QString>

#include "batch/job.h"
#include "batch/output_naming.h"
#include "batch_test_support.h"
#include "platform/date_value.h"
#include "settings/settings.h"

namespace {

class OutputNaming : public ::testing::Test {
protected:
    void SetUp() override {
        ResetBatchState();
        ConversionJob.conversionType = QStringLiteral("psd");
        ConversionJob.outputFolder = QStringLiteral("/out/");
        ConversionJob.currentInputPath = QStringLiteral("/pics/Holiday.PNG");
    }
};

// Seconds of a "yyyy-MM-dd hh:mm:ss" text read as a date value.
int64_t DateValueOf(const QString& text) {
    QDateTime t = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    t.setTimeSpec(Qt::UTC);
    return t.toSecsSinceEpoch();
}

TEST(ExtensionPart, FollowsTheNamingRules) {
    const struct {
        const char* name;
        const char* extension;
    } cases[] = {
        {"a.png", "png"},
        {"C:\\pics\\a.PNG", "PNG"},
        {"/pics/a.b.png", "png"},
        {"my file.png", "png"},
        {"a", ""},
        {"", ""},
        {"a.", ""},
        {".png", ""},
        {"dir/.png", ""},
        {"dir\\.png", ""},
        {"dir.d/a", ""},
        {"dir.d\\a", ""},
        {"a.pn g", ""},
        {"a.png\"", "png"},
        {"a.p\"ng", "p"},
        {"a..png", "png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ExtensionPart(QString::fromUtf8(c.name)), QString::fromUtf8(c.extension));
    }
}

TEST(StripExtension, RemovesTheExtensionPartAndItsDot) {
    const struct {
        const char* name;
        const char* stripped;
    } cases[] = {
        {"a.png", "a"},   {"a.b.png", "a.b"}, {"Holiday.PNG", "Holiday"}, {"a", "a"},
        {".png", ".png"}, {"a.", "a."},       {"a.png\"", "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StripExtension(QString::fromUtf8(c.name)), QString::fromUtf8(c.stripped));
    }
}

TEST_F(OutputNaming, ExpandsTheFilenameMask) {
    const struct {
        const char* mask;
        const char* input;
        const char* expanded;
    } cases[] = {
        {"%filename%.%ext%", "/pics/Holiday.PNG", "Holiday.psd"},
        {"", "/pics/Holiday.PNG", "Holiday.psd"},
        {"%FILENAME[U]%_%Ext%", "/pics/Holiday.PNG", "HOLIDAY_psd"},
        {"%filename[t]%.%ext[u]%", "hOLIDAY.png", "Holiday.PSD"},
        {"%filename[l]%.%ext[t]%", "/pics/Holiday.PNG", "holiday.Psd"},
        {"IMG_%n%.%ext%", "/pics/Holiday.PNG", "img_00001.psd"},
        {"%filename%", "/pics/Holiday.PNG", "Holiday"},
        {"%filename%.%ext%", "C:\\pics\\Holiday.PNG", "Holiday.psd"},
        {"%filename%.%ext%", "/pics/a.b.png", "a.b.psd"},
        {"%filename%.%ext%", "a.png", "a.psd"},
        // A value may bring in a placeholder that a later step expands.
        {"%filename%.%ext%", "/pics/a%n%.png", "a00001.psd"},
        {"%filename%_%bpp%_%width%x%height%.%ext%", "/pics/x.png", "x_32_640x480.psd"},
        {"%unknown%.%ext%", "/pics/x.png", "%unknown%.psd"},
    };
    ConversionJob.outputBitDepth = 32;
    ConversionJob.imageWidth = 640;
    ConversionJob.imageHeight = 480;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mask);
        SCOPED_TRACE(c.input);
        ConversionSettings.advanced.filenameMask = QString::fromUtf8(c.mask);
        ConversionJob.currentInputPath = QString::fromUtf8(c.input);
        EXPECT_EQ(ExpandFilenameMask(), QString::fromUtf8(c.expanded));
    }
}

TEST_F(OutputNaming, WritesCountersAsFiveDigits) {
    const struct {
        int32_t random;
        int32_t sequence;
        const char* expanded;
    } cases[] = {
        {1, 1, "00001_00001"},
        {42, 7, "00042_00007"},
        {99999, 12345, "99999_12345"},
        {5, 123456, "00005_12345"},
    };
    ConversionSettings.advanced.filenameMask = QStringLiteral("%rnd%_%n%");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expanded);
        ConversionJob.randomNumber = c.random;
        ConversionJob.sequenceNumber = c.sequence;
        EXPECT_EQ(ExpandFilenameMask(), QString::fromUtf8(c.expanded));
    }
}

TEST_F(OutputNaming, ExpandsDateAndTimeFromTheLocalClock) {
    ConversionSettings.advanced.filenameMask = QStringLiteral("%yyyy%-%mm%-%dd%_%hh%%ii%%ss%.%ext%");
    const int64_t before = CurrentDateValue();
    const QString name = ExpandFilenameMask();
    const int64_t after = CurrentDateValue();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})_(\\d{2})(\\d{2})(\\d{2})\\.psd$")).match(name);
    ASSERT_TRUE(m.hasMatch()) << name.toStdString();
    const int64_t value =
        DateValueOf(QStringLiteral("%1-%2-%3 %4:%5:%6")
                        .arg(m.captured(1), m.captured(2), m.captured(3), m.captured(4), m.captured(5), m.captured(6)));
    EXPECT_GE(value, before);
    EXPECT_LE(value, after);
}

TEST_F(OutputNaming, ExpandPlaceholderReplacesEveryOccurrenceInAnyCase) {
    const struct {
        const char* text;
        const char* placeholder;
        const char* expanded;
    } cases[] = {
        {"%filename%", "%filename%", "Holiday"},
        {"%FileName% and %FILENAME%", "%filename%", "Holiday and Holiday"},
        {"x.%EXT%", "%EXT%", "x.psd"},
        {"%ext[u]%", "%ext%", "%ext[u]%"},
        {"%foo% %n%", "%foo%", "%foo% %n%"},
        {"%n%", "", "%n%"},
        {"no placeholder", "%n%", "no placeholder"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        SCOPED_TRACE(c.placeholder);
        EXPECT_EQ(ExpandPlaceholder(QString::fromUtf8(c.text), QString::fromUtf8(c.placeholder)),
                  QString::fromUtf8(c.expanded));
    }
}

TEST_F(OutputNaming, ExpandsWatermarkTextKeepingLiteralCase) {
    const struct {
        const char* text;
        const char* expanded;
    } cases[] = {
        {"100% free", "100% free"},
        {"%filename% 100%", "Holiday 100%"},
        {"Photo %FileName% by ME", "Photo Holiday by ME"},
        {"\u00A9 %FILENAME[U]% %Ext[T]%", "\u00A9 HOLIDAY Psd"},
        {"%width%x%height% %bpp%", "640x480 0"},
        {"%n%/%rnd%", "00001/00042"},
        {"No placeholders", "No placeholders"},
        {"%%", "%%"},
        {"", ""},
    };
    ConversionJob.imageWidth = 640;
    ConversionJob.imageHeight = 480;
    ConversionJob.randomNumber = 42;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        ConversionSettings.watermark.text = QString::fromUtf8(c.text);
        EXPECT_EQ(ExpandWatermarkText(), QString::fromUtf8(c.expanded));
    }
}

TEST_F(OutputNaming, BuildsTheOutputPathFromFolderSubfolderAndMask) {
    const struct {
        int8_t keepSubfolders;
        const char* subfolder;
        const char* path;
    } cases[] = {
        {1, "", "/out/Holiday.psd"},
        {0, "", "/out/Holiday.psd"},
        {1, "sub/", "/out/sub/Holiday.psd"},
        {0, "sub/", "/out/Holiday.psd"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.keepSubfolders) << " " << c.subfolder);
        ConversionSettings.advanced.keepSubfolders = c.keepSubfolders;
        ConversionJob.currentSubfolder = QString::fromUtf8(c.subfolder);
        EXPECT_EQ(BuildOutputPath(), QString::fromUtf8(c.path));
    }
}

TEST_F(OutputNaming, BuildsTheTempPathInTheSameFolder) {
    const struct {
        int8_t keepSubfolders;
        const char* subfolder;
        const char* pattern;
    } cases[] = {
        {1, "", "^/out/rastoc[a-j]{10}[a-z]{5}\\.psd$"},
        {1, "sub/", "^/out/sub/rastoc[a-j]{10}[a-z]{5}\\.psd$"},
        {0, "sub/", "^/out/rastoc[a-j]{10}[a-z]{5}\\.psd$"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pattern);
        ConversionSettings.advanced.keepSubfolders = c.keepSubfolders;
        ConversionJob.currentSubfolder = QString::fromUtf8(c.subfolder);
        const QString path = BuildTempPath();
        EXPECT_TRUE(QRegularExpression(QString::fromUtf8(c.pattern)).match(path).hasMatch()) << path.toStdString();
    }
}

TEST(MakeTempName, SpellsTheDateValueAsLettersThenFiveRandomLetters) {
    const struct {
        const char* prefix;
        const char* suffix;
    } cases[] = {
        {"rastoc", ""},
        {"", ".tmp"},
        {"x", "y"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.prefix);
        const QString prefix = QString::fromUtf8(c.prefix);
        const QString suffix = QString::fromUtf8(c.suffix);
        const int64_t before = CurrentDateValue();
        const QString name = MakeTempName(prefix, suffix);
        const int64_t after = CurrentDateValue();
        ASSERT_TRUE(name.startsWith(prefix));
        ASSERT_TRUE(name.endsWith(suffix));
        const QString letters = name.mid(prefix.size(), name.size() - prefix.size() - suffix.size());
        ASSERT_TRUE(QRegularExpression(QStringLiteral("^[a-j]+[a-z]{5}$")).match(letters).hasMatch())
            << letters.toStdString();
        QString digits;
        for (const QChar l : letters.left(letters.size() - 5)) digits += QChar(u'0' + (l.unicode() - u'a'));
        EXPECT_GE(digits.toLongLong(), before);
        EXPECT_LE(digits.toLongLong(), after);
    }
}

}  // namespace
