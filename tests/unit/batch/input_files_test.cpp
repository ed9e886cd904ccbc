#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "batch/input_files.h"
#include "batch/job.h"
#include "batch_test_support.h"

namespace {

class InputFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ResetBatchState();
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(WriteTestFile(Path("a.PNG"), "x"));
        ASSERT_TRUE(WriteTestFile(Path("b.png"), "x"));
        ASSERT_TRUE(WriteTestFile(Path("a.jpg"), "x"));
        ASSERT_TRUE(WriteTestFile(Path("a"), "x"));
        ASSERT_TRUE(WriteTestFile(Path("empty.png"), ""));
        ASSERT_TRUE(WriteTestFile(Path("list.txt"), "b.png"));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
    }
    QString Path(const char* name) const { return dir.path() + QLatin1Char('/') + QLatin1String(name); }
    QTemporaryDir dir;
};

TEST(IsInputExtension, MatchesTheInputExtensionListExactly) {
    ResetBatchState();
    const struct {
        const char* extension;
        bool accepted;
    } cases[] = {
        {"png", true}, {"PNG", false}, {"Png", false}, {"jpg", false}, {"", false}, {"png ", false}, {".png", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.extension);
        EXPECT_EQ(IsInputExtension(QString::fromUtf8(c.extension)), c.accepted);
    }
}

TEST(RelativeSubfolder, TakesTheBaseOutOfTheFolder) {
    const struct {
        const char* path;
        const char* base;
        const char* subfolder;
    } cases[] = {
        {"C:\\in\\sub\\a.png", "C:\\in\\", "sub\\"},
        {"/in/sub/a.png", "/in/", "sub/"},
        {"/in/a.png", "/in/", ""},
        {"/in/sub/a.png", "", ""},
        {"", "/in/", ""},
        {"/other/a.png", "/in/", ""},
        {"/IN/sub/a.png", "/in/", ""},
        {"/in/x/in/a.png", "in/", "/x/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        SCOPED_TRACE(c.base);
        EXPECT_EQ(RelativeSubfolder(QString::fromUtf8(c.path), QString::fromUtf8(c.base)),
                  QString::fromUtf8(c.subfolder));
    }
}

TEST_F(InputFiles, AcceptsOnlyInputExtensionsAndNoEmptyFile) {
    const struct {
        const char* name;
        bool accepted;
    } cases[] = {
        {"a.PNG", true},      {"b.png", true},  {"missing.png", true},  // fails later, in the pipeline
        {"folder.png", true}, {"a.jpg", false}, {"a", false},          {"empty.png", false}, {"list.txt", false},
    };
    const QString previous = QStringLiteral("/previous/p.png");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ConversionJob.fileMap.clear();
        ConversionJob.fileMap[previous].added = 1;
        const QString path = Path(c.name);
        EXPECT_EQ(AddInputFile(path), c.accepted);
        ASSERT_EQ(ConversionJob.fileMap.size(), 1);
        const QString kept = c.accepted ? path : previous;
        ASSERT_TRUE(ConversionJob.fileMap.contains(kept));
        EXPECT_EQ(ConversionJob.fileMap.value(kept).added, 1);
        EXPECT_TRUE(ConversionJob.fileMap.value(kept).subfolder.isEmpty());
    }
}

TEST_F(InputFiles, KeepsThePathExactlyAsGiven) {
    const QString relative = QStringLiteral("./pictures/../x.png");
    EXPECT_TRUE(AddInputFile(relative));
    EXPECT_EQ(ConversionJob.fileMap.keys(), QStringList{relative});
}

TEST_F(InputFiles, ASecondFileReplacesTheFirst) {
    ASSERT_TRUE(AddInputFile(Path("a.PNG")));
    ASSERT_TRUE(AddInputFile(Path("b.png")));
    EXPECT_EQ(ConversionJob.fileMap.keys(), QStringList{Path("b.png")});
}

TEST_F(InputFiles, RecordsTheSubfolderBelowTheBaseInputFolder) {
    ConversionJob.inputArgument = dir.path();
    ASSERT_TRUE(AddInputFile(Path("a.PNG")));
    EXPECT_EQ(ConversionJob.fileMap.value(Path("a.PNG")).subfolder, QStringLiteral("/"));
}

}  // namespace
