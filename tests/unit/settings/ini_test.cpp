#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <limits>

#include "settings/ini.h"

namespace {

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

TEST(ParseIni, SplitsGroupsKeysAndValues) {
    const IniDocument d = ParseIni(
        "key before = any group\r\n"
        "[First]\r\n"
        "  \t; a comment = not a key\r\n"
        "\t Alpha \t=  one = two \r\n"
        "Empty =\r\n"
        "NoEquals\r\n"
        "[Second\r\n"
        "Beta=2\n"
        "[ Third ]trailing\r"
        "Gamma=3");
    ASSERT_EQ(d.groups.size(), 3);
    EXPECT_EQ(d.groups[0].name, QStringLiteral("First"));
    ASSERT_EQ(d.groups[0].lines.size(), 3);
    EXPECT_EQ(d.groups[0].lines[0].key, QStringLiteral("Alpha"));
    EXPECT_EQ(d.groups[0].lines[0].value, QStringLiteral("one = two "));
    EXPECT_EQ(d.groups[0].lines[1].key, QStringLiteral("Empty"));
    EXPECT_EQ(d.groups[0].lines[1].value, QString());
    EXPECT_EQ(d.groups[0].lines[2].key, QStringLiteral("NoEquals"));
    // A group line without "]" names the group up to the line end.
    EXPECT_EQ(d.groups[1].name, QStringLiteral("Second"));
    ASSERT_EQ(d.groups[1].lines.size(), 1);
    EXPECT_EQ(d.groups[1].lines[0].value, QStringLiteral("2"));
    EXPECT_EQ(d.groups[2].name, QStringLiteral("Third"));
    ASSERT_EQ(d.groups[2].lines.size(), 1);
    EXPECT_EQ(d.groups[2].lines[0].value, QStringLiteral("3"));
}

TEST(ParseIni, DecodesUtf8OnlyAfterByteOrderMark) {
    const struct {
        const char* name;
        QByteArray bytes;
        QString value;
    } cases[] = {
        {"latin-1 e acute", QByteArray("[G]\r\nK=caf\xE9\r\n"), QStringLiteral("caf\u00E9")},
        {"utf-8 without mark reads as two latin-1 characters", QByteArray("[G]\r\nK=caf\xC3\xA9\r\n"),
         QStringLiteral("caf\u00C3\u00A9")},
        {"utf-8 after mark", QByteArray("\xEF\xBB\xBF\r\n[G]\r\nK=caf\xC3\xA9\r\n"), QStringLiteral("caf\u00E9")},
        {"mark then group on the first line", QByteArray("\xEF\xBB\xBF[G]\r\nK=\xE2\x82\xAC"),
         QStringLiteral("\u20AC")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString value;
        ASSERT_TRUE(FindIniValue(ParseIni(c.bytes), QStringLiteral("G"), QStringLiteral("K"), &value));
        EXPECT_EQ(value, c.value);
    }
}

TEST(FindIniValue, MatchesNamesWithoutCaseInsideTheirGroupOnly) {
    const IniDocument d = ParseIni(
        "[Transform]\r\nimage width = 77\r\nIMAGE WIDTH = 88\r\n"
        "[Other]\r\nOnly Here = 5\r\n"
        "[transform]\r\nLate = 1\r\n");
    const struct {
        const char* group;
        const char* key;
        bool found;
        const char* value;
    } cases[] = {
        {"Transform", "Image Width", true, "77"},                                         // first match wins
        {"TRANSFORM", "image WIDTH", true, "77"}, {"Transform", "Only Here", false, ""},  // belongs to another group
        {"Other", "only here", true, "5"},        {"Missing", "Image Width", false, ""},
        {"Transform", "Late", false, ""},  // a repeated group is not searched
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1/%2").arg(c.group, c.key).toStdString());
        QString value;
        EXPECT_EQ(FindIniValue(d, QLatin1String(c.group), QLatin1String(c.key), &value), c.found);
        if (c.found) {
            EXPECT_EQ(value, QLatin1String(c.value));
        }
    }
}

TEST(SameNameIgnoringCase, FoldsAsciiLettersOnly) {
    EXPECT_TRUE(SameNameIgnoringCase(QStringLiteral("Image Width"), QStringLiteral("iMAGE wIDTH")));
    EXPECT_FALSE(SameNameIgnoringCase(QStringLiteral("\u00E9"), QStringLiteral("\u00C9")));
    EXPECT_FALSE(SameNameIgnoringCase(QStringLiteral("Width"), QStringLiteral("Width ")));
}

TEST(AtoiLike, ReadsLeadingDecimalInteger) {
    const struct {
        const char* text;
        int32_t value;
    } cases[] = {
        {"0", 0},
        {"42", 42},
        {"-17", -17},
        {"+5", 5},
        {"  \t12", 12},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"- 5", 0},
        {"3.9", 3},
        {"$FF", 0},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int32_t>::min()},
        {"2147483648", 2147483647},
        {"-2147483649", std::numeric_limits<int32_t>::min()},
        {"99999999999999999999999", 2147483647},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(AtoiLike(QLatin1String(c.text)), c.value);
    }
}

TEST(AtofLike, ReadsDecimalsAndTheSpecialWords) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"2.2", 2.2},
        {"-0.5", -0.5},
        {"+3", 3.0},
        {"  1.5", 1.5},
        {"1,5", 1.0},
        {"1.5.6", 1.5},
        {".25", 0.25},
        {"7.", 7.0},
        {"1e3", 1000.0},
        {"1E-2", 0.01},
        {"2e", 2.0},
        {"2e+", 2.0},
        {"abc", 0.0},
        {"", 0.0},
        {".", 0.0},
        {"-", 0.0},
        {"+Infinity", inf},
        {"-infinity", -inf},
        {"  +INFINITY ", inf},
        {"Infinity", inf},
        {"-inf", -inf},
        {"infx", inf},
        {"in", 0.0},
        {"1e999", inf},
        {"-1e999", -inf},
        {"1e-999", 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_DOUBLE_EQ(AtofLike(QLatin1String(c.text)), c.value);
    }
    EXPECT_TRUE(std::isnan(AtofLike(QStringLiteral("NaN"))));
    EXPECT_TRUE(std::isnan(AtofLike(QStringLiteral("nan"))));
}

TEST(IniRead, TypedReadingsAndFallbacks) {
    const IniDocument d = ParseIni(
        "[G]\r\nText =  \t padded \t \r\nInt = 12px\r\nByte200 = 200\r\nByte256 = 256\r\n"
        "ByteNeg = -1\r\nFloat = 2.5\r\nBigFloat = 1e300\r\nInf = -Infinity\r\nEmpty =\r\n");
    const QString g = QStringLiteral("G");
    EXPECT_EQ(IniReadText(d, g, QStringLiteral("Text"), QString()), QStringLiteral("padded"));
    EXPECT_EQ(IniReadText(d, g, QStringLiteral("Missing"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_EQ(IniReadText(d, g, QStringLiteral("Empty"), QStringLiteral("dflt")), QString());
    EXPECT_EQ(IniReadInt(d, g, QStringLiteral("Int"), 5), 12);
    EXPECT_EQ(IniReadInt(d, g, QStringLiteral("Missing"), 5), 5);
    EXPECT_EQ(IniReadInt(d, g, QStringLiteral("Empty"), 5), 0);
    EXPECT_EQ(IniReadByte(d, g, QStringLiteral("Byte200"), 1), -56);
    EXPECT_EQ(IniReadByte(d, g, QStringLiteral("Byte256"), 1), 0);
    EXPECT_EQ(IniReadByte(d, g, QStringLiteral("ByteNeg"), 1), -1);
    EXPECT_EQ(IniReadByte(d, g, QStringLiteral("Missing"), 7), 7);
    EXPECT_FLOAT_EQ(IniReadFloat(d, g, QStringLiteral("Float"), 1.0f), 2.5f);
    EXPECT_EQ(IniReadFloat(d, g, QStringLiteral("BigFloat"), 1.0f), std::numeric_limits<float>::infinity());
    EXPECT_EQ(IniReadFloat(d, g, QStringLiteral("Inf"), 1.0f), -std::numeric_limits<float>::infinity());
    EXPECT_FLOAT_EQ(IniReadFloat(d, g, QStringLiteral("Missing"), 1.5f), 1.5f);
}

TEST(IniWriter, WritesTheExactFileLayout) {
    IniWriter w;
    IniBegin(&w);
    IniWriteGroup(&w, QStringLiteral("General"));
    IniWriteInt(&w, QStringLiteral("CFG"), 18);
    IniWriteInt(&w, QStringLiteral("Negative"), -2147483647 - 1);
    IniWriteText(&w, QStringLiteral("Text"), QStringLiteral("\u00A9 caf\u00E9"));
    IniWriteComment(&w);
    IniWriteGroup(&w, QStringLiteral("Next"));
    IniWriteByte(&w, QStringLiteral("Byte"), -56);
    IniWriteText(&w, QStringLiteral("Empty"), QString());
    IniWriteText(&w, QStringLiteral("Broken"), QStringLiteral("a\r\n[X]\nb"));
    IniWriteComment(&w);
    EXPECT_EQ(w.bytes, QByteArray("\xEF\xBB\xBF\r\n"
                                  "[General]\r\n"
                                  "CFG = 18\r\n"
                                  "Negative = -2147483648\r\n"
                                  "Text = \xC2\xA9 caf\xC3\xA9\r\n"
                                  "; \r\n"
                                  "[Next]\r\n"
                                  "Byte = -56\r\n"
                                  "Empty = \r\n"
                                  "Broken = a[X]b\r\n"
                                  "; \r\n"));
}

TEST(IniWriter, WritesFloatsWithSixDecimalsOrSpecialWords) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {1.0f, "1.000000"},
        {2.2f, "2.200000"},
        {-0.5f, "-0.500000"},
        {0.0f, "0.000000"},
        {9.99f, "9.990000"},
        {1e10f, "10000000000.000000"},
        {std::numeric_limits<float>::infinity(), "+Infinity"},
        {-std::numeric_limits<float>::infinity(), "-Infinity"},
        {std::numeric_limits<float>::quiet_NaN(), "NaN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        IniWriter w;
        IniWriteFloat(&w, QStringLiteral("F"), c.value);
        EXPECT_EQ(w.bytes, QByteArray("F = ") + c.text + "\r\n");
    }
}

TEST(IniWriter, WrittenValuesReadBack) {
    IniWriter w;
    IniBegin(&w);
    IniWriteGroup(&w, QStringLiteral("G"));
    IniWriteText(&w, QStringLiteral("Text"), QStringLiteral("\u20AC and = sign"));
    IniWriteByte(&w, QStringLiteral("Byte"), -56);
    IniWriteFloat(&w, QStringLiteral("Float"), 2.2f);
    IniWriteFloat(&w, QStringLiteral("Inf"), std::numeric_limits<float>::infinity());
    IniWriteComment(&w);
    const IniDocument d = ParseIni(w.bytes);
    const QString g = QStringLiteral("G");
    EXPECT_EQ(IniReadText(d, g, QStringLiteral("Text"), QString()), QStringLiteral("\u20AC and = sign"));
    EXPECT_EQ(IniReadByte(d, g, QStringLiteral("Byte"), 0), -56);
    EXPECT_FLOAT_EQ(IniReadFloat(d, g, QStringLiteral("Float"), 0.0f), 2.2f);
    EXPECT_EQ(IniReadFloat(d, g, QStringLiteral("Inf"), 0.0f), std::numeric_limits<float>::infinity());
}

TEST(ReadIniFile, OpensFilesButNotFoldersOrMissingPaths) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("a.ini"));
    ASSERT_TRUE(WriteBytes(file, "[G]\r\nK=1\r\n"));
    const QString empty = dir.filePath(QStringLiteral("empty.ini"));
    ASSERT_TRUE(WriteBytes(empty, QByteArray()));
    const struct {
        const char* name;
        QString path;
        bool ok;
    } cases[] = {
        {"file", file, true},
        {"empty file", empty, true},
        {"missing", dir.filePath(QStringLiteral("none.ini")), false},
        {"folder", dir.path(), false},
        {"empty path", QString(), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IniDocument d;
        EXPECT_EQ(ReadIniFile(c.path, &d), c.ok);
    }
    IniDocument d;
    ASSERT_TRUE(ReadIniFile(file, &d));
    EXPECT_EQ(IniReadInt(d, QStringLiteral("g"), QStringLiteral("k"), 0), 1);
}

TEST(IniSaveFile, ReplacesTheWholeFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("config.ini"));
    ASSERT_TRUE(WriteBytes(path, QByteArray(4096, 'x')));
    IniWriter w;
    IniBegin(&w);
    IniWriteGroup(&w, QStringLiteral("G"));
    ASSERT_TRUE(IniSaveFile(w, path));
    EXPECT_EQ(ReadBytes(path), w.bytes);
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("config.ini")});
}

TEST(IniSaveFile, FailureKeepsWhatWasThere) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    IniWriter w;
    IniBegin(&w);

    // The folder of the path does not exist: nothing is created.
    const QString missingFolder = dir.filePath(QStringLiteral("none/config.ini"));
    EXPECT_FALSE(IniSaveFile(w, missingFolder));
    EXPECT_FALSE(QFile::exists(missingFolder));

    // The path names a folder that holds a file: the rename fails, and the
    // folder, its file and the folder around it stay as they were.
    const QString blocked = dir.filePath(QStringLiteral("config.ini"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    ASSERT_TRUE(WriteBytes(blocked + QStringLiteral("/keep"), "old"));
    EXPECT_FALSE(IniSaveFile(w, blocked));
    EXPECT_EQ(ReadBytes(blocked + QStringLiteral("/keep")), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("config.ini")});

    EXPECT_FALSE(IniSaveFile(w, QString()));
}
