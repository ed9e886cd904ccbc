#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <QString>
#include <QTemporaryDir>

#include "strings/string_data.h"
#include "strings/string_table.h"

// Readable failure messages for texts.
void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace {

const QString NoString = QStringLiteral("%NO_STRING_ERROR%");

struct BlockPair {
    QString key;
    QString value;
};
struct BlockGroup {
    QString name;
    QList<BlockPair> pairs;
};

// The built-in block read pair by pair, independent of the loader.
QList<BlockGroup> ReadBlock(bool* sawEnd) {
    QList<BlockGroup> groups;
    *sawEnd = false;
    for (int i = 0; i < BuiltInStringCount; ++i) {
        const QString key = QString::fromUtf16(BuiltInStrings[i].key);
        const QString value = QString::fromUtf16(BuiltInStrings[i].value);
        if (key == QLatin1String("_END_")) {
            *sawEnd = value.isEmpty() && i == BuiltInStringCount - 1;
            break;
        }
        if (key == QLatin1String("_GROUP_")) {
            groups.append(BlockGroup{value, {}});
        } else if (!groups.isEmpty()) {
            groups.last().pairs.append(BlockPair{key, value});
        }
    }
    return groups;
}

std::string Trace(const QString& group, const QString& key) {
    return (group + QLatin1Char('/') + key).toStdString();
}

class StringTableTest : public ::testing::Test {
protected:
    void SetUp() override { LoadStringTable(QString()); }
    void TearDown() override { LoadStringTable(QString()); }
};

struct LookupCase {
    QString group;
    QString key;
    QString text;
};

void ExpectLookups(const QList<LookupCase>& cases) {
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(Trace(c.group, c.key));
        EXPECT_EQ(GetString(c.group, c.key), c.text);
    }
}

TEST_F(StringTableTest, GroupsAndKeysMatchWithoutRegardToCase) {
    ExpectLookups({
        {"msg", "conversion complete", "Conversion complete"},
        {"Msg", "Conversion complete", "Conversion complete"},
        {"MSG", "CONVERSION COMPLETE", "Conversion complete"},
        {"custom-converter", "sEARCH", "Search"},
        {"preferences", "ui theme", "Theme:"},
    });
}

TEST_F(StringTableTest, MissingGroupOrKeyGivesErrorText) {
    ExpectLookups({
        {"Msg", "No such message", NoString},
        {"Nowhere", "Error", NoString},
        {"", "Error", NoString},
        {"Msg", "", NoString},
        {"Msg", "Erro", NoString},                  // the beginning of a key
        {"Msg", "Error ", NoString},                // longer than a key
        {"Msg", "Warningz", NoString},              // past the last key of its letter
        {"Msg", "Zebra", NoString},                 // a letter no key begins with
        {"Menu", "Conversion complete", NoString},  // a key of another group
        {"Msg", QString(QChar(0x0100)) + "rror", NoString},
        {"Msg", QString(QChar(0xFFFF)), NoString},
        {"Msg", QString(QChar(0x0001)) + "Error", NoString},
    });
}

// Each row changes group, so a stale current group would give a wrong text.
TEST_F(StringTableTest, EachLookupFindsItsOwnGroup) {
    ExpectLookups({
        {"Nowhere", "Error", NoString},
        {"Msg", "Error", "Error"},
        {"Menu", "Preferences", "Preferences..."},
        {"Preferences", "Title", "Preferences..."},
        {"About", "Title", "About..."},
        {"Nowhere", "Title", NoString},
        {"Custom-Converter", "Title", "Find a File Converter"},
        {"Uninstall", "Title", "Uninstall"},
        {"Uninstall", "Next", "Next"},
        {"General", "Convert", "Convert"},
        {"Dialog", "Convert Progress", "Converting"},
    });
}

TEST_F(StringTableTest, KeyThatBeginsAnotherKeyIsFound) {
    ExpectLookups({
        {"General", "Input File", "Input File:"},
        {"General", "Input Files", "Input Files:"},
        {"Menu", "Select Input File", "Add Input File..."},
        {"Menu", "Select Input Files", "Add Input Files..."},
        {"Menu", "Select Input Folder", "Add Input Folder..."},
        {"Menu", "Convert", "Convert"},
        {"Menu", "Converter", "Converter"},
        {"Menu", "Delete", "Delete"},
        {"Menu", "Delete Input Files", "Delete Files From the List"},
        {"Msg", "Import complete", "Import complete, new files added: %s1%"},
        {"Msg", "Import is not complete", "Import stopped"},
        {"Preferences", "Image", "Image:"},
        {"Preferences", "Image Width", "Image Width:"},
        {"Preferences", "Csv", "CSV"},
        {"Preferences", "Csv Delimiter", "CSV Delimiter:"},
        {"Preferences", "Csv Export", "Export to CSV"},
        {"Preferences", "Top", "Top:"},
        {"Preferences", "Top Color", "Top Color:"},
        {"Preferences", "Top-Left", "Top-Left"},
        {"Preferences", "RGB", "RGB"},
        {"Preferences", "RGB48", "RGB 48-bit"},
        {"Preferences", "RGB48HS", "RGB 48-bit (HS)"},
    });
}

TEST_F(StringTableTest, PreferencesTextsFollowTheirRules) {
    ExpectLookups({
        // Text equal to the key.
        {"Preferences", "None", "None"},
        {"Preferences", "Every 3 months", "Every 3 months"},
        {"Preferences", "Bottom-Right", "Bottom-Right"},
        {"Preferences", "Privacy", "Privacy"},
        // Key followed by a colon.
        {"Preferences", "Language", "Language:"},
        {"Preferences", "Check for Updates", "Check for Updates:"},
        {"Preferences", "X-Offset", "X-Offset:"},
        {"Preferences", "Keep Subfolders", "Keep Subfolders:"},
        // Texts of their own.
        {"Preferences", "Title", "Preferences..."},
        {"Preferences", "Bytes", "bytes"},
        {"Preferences", "Tone Mapping", "HDR Tone Mapping:"},
        {"Preferences", "Watermark Image", "Image"},
        {"Preferences", "Bound Frame", "Frame"},
        {"Preferences", "Strikeout", "Strikethrough"},
        {"Preferences", "Clean Recent Files", "Clean Recent Files List on Exit"},
    });
}

TEST_F(StringTableTest, PreferencesHoldsMediumTwiceWithOneText) {
    bool sawEnd = false;
    int mediums = 0;
    for (const BlockGroup& group : ReadBlock(&sawEnd)) {
        if (group.name != QLatin1String("Preferences")) continue;
        for (const BlockPair& pair : group.pairs) {
            if (pair.key != QLatin1String("Medium")) continue;
            ++mediums;
            EXPECT_EQ(pair.value, QStringLiteral("Medium"));
        }
    }
    EXPECT_EQ(mediums, 2);
    EXPECT_EQ(GetString("Preferences", "Medium"), QStringLiteral("Medium"));
    EXPECT_EQ(GetString("Preferences", "Low"), QStringLiteral("Low"));
    EXPECT_EQ(GetString("Preferences", "Large"), QStringLiteral("Large"));
}

TEST(StringData, GroupsComeInBlockOrderWithTheirEntryCounts) {
    const struct {
        const char* name;
        int count;
    } cases[] = {
        {"Menu", 28}, {"General", 10},         {"Msg", 41},      {"Dialog", 16}, {"Preferences", 214},
        {"About", 4}, {"Custom-Converter", 4}, {"Uninstall", 3},
    };
    bool sawEnd = false;
    const QList<BlockGroup> groups = ReadBlock(&sawEnd);
    EXPECT_TRUE(sawEnd);
    ASSERT_EQ(groups.size(), qsizetype(std::size(cases)));
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].name);
        EXPECT_EQ(groups[i].name, QLatin1String(cases[i].name));
        EXPECT_EQ(groups[i].pairs.size(), cases[i].count);
    }
}

TEST(StringData, KeysAreAsciiAndLineBreaksAreCrLf) {
    bool sawEnd = false;
    for (const BlockGroup& group : ReadBlock(&sawEnd)) {
        for (const BlockPair& pair : group.pairs) {
            SCOPED_TRACE(Trace(group.name, pair.key));
            EXPECT_FALSE(pair.key.isEmpty());
            for (QChar ch : pair.key) EXPECT_TRUE(ch.unicode() >= 0x20 && ch.unicode() < 0x7F);
            for (qsizetype i = 0; i < pair.value.size(); ++i) {
                if (pair.value[i] == u'\n') {
                    EXPECT_TRUE(i > 0 && pair.value[i - 1] == u'\r');
                }
                if (pair.value[i] == u'\r') {
                    EXPECT_TRUE(i + 1 < pair.value.size() && pair.value[i + 1] == u'\n');
                }
            }
        }
    }
}

TEST_F(StringTableTest, MessagesKeepTheirLineBreaks) {
    ExpectLookups({
        {"Msg", "Invalid output folder",
         "The following output folder is invalid or doesn't exist:\r\n%s1%"
         "\r\n\r\nPlease, correct the output path and try again!"},
        {"Msg", "Ask continue to find",
         "No matches of %s1% found!\r\n\r\nDo you want to search from the start of the list?"},
    });
}

TEST_F(StringTableTest, FindsEveryBuiltInKeyInAnyCase) {
    bool sawEnd = false;
    for (const BlockGroup& group : ReadBlock(&sawEnd)) {
        for (const BlockPair& pair : group.pairs) {
            SCOPED_TRACE(Trace(group.name, pair.key));
            EXPECT_EQ(GetString(group.name, pair.key), pair.value);
            EXPECT_EQ(GetString(group.name.toLower(), pair.key.toLower()), pair.value);
        }
    }
}

TEST_F(StringTableTest, ReloadKeepsLookupsWorking) {
    EXPECT_EQ(GetString("Msg", "Warning"), QStringLiteral("Warning"));
    LoadStringTable(QString());
    EXPECT_EQ(GetString("Msg", "Warning"), QStringLiteral("Warning"));
    EXPECT_EQ(GetString("Msg", "Error"), QStringLiteral("Error"));
}

TEST(FillPlaceholders, ReplacesValuesOneToFour) {
    const struct {
        const char* text;
        const char* s1;
        const char* s2;
        const char* s3;
        const char* s4;
        const char* expected;
    } cases[] = {
        {"Files converted: %s1% of %s2%", "3", "5", "", "", "Files converted: 3 of 5"},
        {"Files converted: %s1% of %s2%", "3", "", "", "", "Files converted: 3 of %s2%"},
        {"Files converted: %S1% of %S2%", "3", "5", "", "", "Files converted: 3 of 5"},
        {"(%s1%/%s2%)", "1", "4", "", "", "(1/4)"},
        {"%s1% and %s1% again", "x", "", "", "", "x and x again"},
        {"%s4%%s3%%s2%%s1%", "a", "b", "c", "d", "dcba"},
        {"%s1%", "%s2%", "two", "", "", "two"},    // brought in, then replaced
        {"%s2%", "one", "%s1%", "", "", "%s1%"},   // step 1 is already over
        {"%s1%", "<%s1%>", "", "", "", "<%s1%>"},  // not searched again
        {"%s1%s1%", "v", "", "", "", "vs1%"},
        {"%%s1%%", "v", "", "", "", "%v%"},
        {"%s1", "v", "", "", "", "%s1"},
        {"%s5% %x1%", "v", "", "", "", "%s5% %x1%"},
        {"No placeholders", "", "", "", "", "No placeholders"},
        {"", "v", "w", "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FillPlaceholders(c.text, c.s1, c.s2, c.s3, c.s4), QString(c.expected));
    }
}

TEST(FillPlaceholders, MatchesOnlyAsciiLetterS) {
    // U+017F folds to "s" under Unicode rules; it is not the placeholder.
    const QString text = QString::fromUtf16(u"%\u017F1%");
    EXPECT_EQ(FillPlaceholders(text, "v"), text);
}

// The language file is written into a temporary folder for each test.
class LanguageFileTest : public StringTableTest {
protected:
    QString WriteFile(const QByteArray& bytes) {
        const QString path = folder.filePath("language.ini");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        return path;
    }
    QTemporaryDir folder;
};

TEST_F(LanguageFileTest, ReplacesTextsByGroupAndKey) {
    ASSERT_TRUE(folder.isValid());
    const QByteArray bytes =
        "\xEF\xBB\xBF"
        "; translated texts\r\n"
        "[msg]\r\n"
        "error =   Fehler \t \r\n"
        "  Warning=Warnung\r\n"
        "Brand New Key=ignored\r\n"
        "files converted = Dateien: %s1% / %s2%\r\n"
        "[Preferences]\r\n"
        "medium = Mittel\r\n"
        "[General]\r\n"
        "[Nowhere]\r\n"
        "Error = nowhere\r\n"
        "[uninstall]\r\n"
        "next = Weiter \xC3\xA4\r\n";
    LoadStringTable(WriteFile(bytes));
    ExpectLookups({
        {"Msg", "Error", "Fehler"},
        {"MSG", "warning", "Warnung"},
        {"Msg", "Files converted", "Dateien: %s1% / %s2%"},
        {"Msg", "Brand New Key", NoString},
        {"Msg", "Conversion complete", "Conversion complete"},
        {"Preferences", "Medium", "Mittel"},
        {"Preferences", "Low", "Low"},
        {"General", "Input File", "Input File:"},
        {"Nowhere", "Error", NoString},
        {"Uninstall", "Next", QString::fromUtf16(u"Weiter \u00E4")},
        {"Uninstall", "Title", "Uninstall"},
    });
}

TEST_F(LanguageFileTest, FileThatDoesNotOpenChangesNothing) {
    ASSERT_TRUE(folder.isValid());
    const QString paths[] = {folder.filePath("missing.ini"), folder.path()};
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        LoadStringTable(path);
        EXPECT_EQ(GetString("Msg", "Error"), QStringLiteral("Error"));
        EXPECT_EQ(GetString("Menu", "Exit"), QStringLiteral("Exit"));
    }
}

TEST_F(LanguageFileTest, ReloadWithoutFileBringsBackEnglish) {
    ASSERT_TRUE(folder.isValid());
    LoadStringTable(WriteFile("[Msg]\r\nError=Fehler\r\n"));
    EXPECT_EQ(GetString("Msg", "Error"), QStringLiteral("Fehler"));
    LoadStringTable(QString());
    EXPECT_EQ(GetString("Msg", "Error"), QStringLiteral("Error"));
}

}  // namespace
