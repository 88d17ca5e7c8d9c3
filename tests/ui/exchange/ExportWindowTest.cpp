#include "exchange/HistoryWorkbook.h"
#include "tests/exchange/XlsxSheet.h"
#include "tests/support/FolderPermissions.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/exchange/MyOut.h"
#include "ui/widgets/QuickRange.h"

#include <QAction>
#include <QPushButton>
#include <unistd.h>

namespace {

class ExportWindowTest : public MainWindowTest
{
protected:
    ExportWindowTest()
    {
        // Our own temporary folder: on a shared machine <tmp>/quorvane-<uid>
        // may be someone else's, and every export would make a new folder.
        QDir().mkpath(temporaryRoot());
        qputenv("TMPDIR", QFile::encodeName(temporaryRoot()));
        show();
        out = std::make_unique<TFrm_Out>(*store, dialogs, window.get());
        out->setFileOpener([this](const QString& path) {
            opened << path;
            return openerWorks;
        });
    }
    ~ExportWindowTest() override
    {
        for (const QString& path : opened)
            QFile::remove(path);
        if (m_oldTemporaryRoot.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", m_oldTemporaryRoot);
    }

    QString temporaryRoot() const { return dir.file("tmp"); }

    QComboBox* box(const char* name) const { return out->findChild<QComboBox*>(name); }
    void press(const char* name) { QTest::mouseClick(out->findChild<QPushButton*>(name), Qt::LeftButton); }

    std::unique_ptr<TFrm_Out> out;
    QStringList opened;
    bool openerWorks = true;

private:
    QByteArray m_oldTemporaryRoot = qgetenv("TMPDIR");
};

TEST_F(ExportWindowTest, OkAtOnceExportsTheOldestDrawAlone)
{
    ASSERT_TRUE(enterDraw(*store, "08123", "012").stored());
    seed(3, "08124");
    out->show();
    EXPECT_EQ(box("ComboBox1")->count(), 4);
    EXPECT_EQ(box("ComboBox2")->currentText(), "08123");
    press("BitBtn1");

    EXPECT_EQ(out->result(), QDialog::Accepted);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], HistoryWorkbook::exportPath("08123", "08123"));
    EXPECT_TRUE(opened[0].startsWith(temporaryRoot() + "/quorvane-"));
    const auto cells = readFirstSheet(opened[0]);
    EXPECT_EQ(cells.size(), 10);
    const QStringList row2 = {"08123", "0", "1", "2", "3"};
    for (int column = 1; column <= 5; ++column) {
        EXPECT_EQ(cells.value(cellRef(1, column)).text, HistoryWorkbook::titles()[column - 1]);
        EXPECT_EQ(cells.value(cellRef(2, column)).text, row2[column - 1]);
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

TEST_F(ExportWindowTest, RangeOfNDrawsFillsNPlusOneRows)
{
    const QStringList issues = seed(6, "2025001");
    out->show();
    box("ComboBox1")->setCurrentIndex(1);
    box("ComboBox2")->setCurrentIndex(4);
    press("BitBtn1");
    ASSERT_EQ(opened.size(), 1);
    const auto cells = readFirstSheet(opened[0]);
    EXPECT_EQ(cells.size(), 5 * 5);
    for (int i = 0; i < 4; ++i) {
        const DrawRecord draw = *store->oneIssue(issues[1 + i]);
        EXPECT_EQ(cells.value(cellRef(2 + i, 1)).text, draw.qs);
        EXPECT_EQ(cells.value(cellRef(2 + i, 4)).text, draw.allNumber.right(1));
        EXPECT_EQ(cells.value(cellRef(2 + i, 5)).text, QString::number(draw.asum));
    }
}

// "近30期" ... "全部" export the latest stored draws.
TEST_F(ExportWindowTest, QuickRangesExportTheLatestDraws)
{
    const QStringList issues = seed(60, "2025001");
    for (int count : {30, 50, 100, 500, 0}) {
        SCOPED_TRACE(count);
        TFrm_Out exporter(*store, dialogs, window.get());
        exporter.setFileOpener([this](const QString& path) {
            opened << path;
            return true;
        });
        exporter.show();
        exporter.findChild<QuickRange*>("quickRange")->findChild<QAction*>(QuickRange::actionName(count))->trigger();
        QTest::mouseClick(exporter.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        ASSERT_FALSE(opened.isEmpty());
        const int shown = count > 0 ? std::min(count, 60) : 60;
        EXPECT_EQ(opened.last(), HistoryWorkbook::exportPath(issues[60 - shown], issues.last()));
        EXPECT_EQ(readFirstSheet(opened.last()).size(), (shown + 1) * 5);
    }
}

TEST_F(ExportWindowTest, EmptyRangeOrCancelWritesNothing)
{
    seed(3);
    out->show();
    box("ComboBox1")->setCurrentIndex(2);
    box("ComboBox2")->setCurrentIndex(0); // start after end
    press("BitBtn1");
    EXPECT_EQ(dialogs.messages(), QStringList{TFrm_Out::kEmptyRange});
    EXPECT_TRUE(opened.isEmpty());

    TFrm_Out second(*store, dialogs, window.get());
    second.show();
    QTest::mouseClick(second.findChild<QPushButton*>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(second.result(), QDialog::Rejected);
    EXPECT_EQ(dialogs.messages().size(), 1);
}

// With no spreadsheet program: one message naming the file and its folder,
// whose second button opens the folder (or says that it cannot).
TEST_F(ExportWindowTest, SaysWhereTheFileIsWhenNothingOpensIt)
{
    seed(2, "08001");
    const struct
    {
        bool openFolder;
        bool folderOpens;
        int opens; // the file, then the folder
        bool folderMessage;
    } cases[] = {{false, false, 1, false}, {true, true, 2, false}, {true, false, 2, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.openFolder * 2 + c.folderOpens);
        TFrm_Out exporter(*store, dialogs, window.get());
        QStringList tried;
        exporter.setFileOpener([&](const QString& path) {
            tried << path;
            return tried.size() > 1 && c.folderOpens;
        });
        exporter.show();
        dialogs.clear();
        dialogs.answers = {c.openFolder};
        QTest::mouseClick(exporter.findChild<QPushButton*>("BitBtn1"), Qt::LeftButton);
        ASSERT_EQ(tried.size(), c.opens);
        opened << tried[0];
        const QFileInfo file(tried[0]);
        EXPECT_TRUE(file.exists());
        ASSERT_EQ(dialogs.shown.size(), c.folderMessage ? 2u : 1u);
        EXPECT_EQ(dialogs.shown[0].kind, FakeDialogs::Kind::Offer);
        EXPECT_EQ(dialogs.shown[0].title, TFrm_Out::kOpenFolder);
        EXPECT_EQ(dialogs.shown[0].text, TFrm_Out::nothingOpens(tried[0]));
        EXPECT_TRUE(dialogs.shown[0].text.contains(file.fileName()));
        EXPECT_TRUE(dialogs.shown[0].text.contains(file.absolutePath()));
        if (c.opens > 1) {
            EXPECT_EQ(tried[1], file.absolutePath());
        }
        if (c.folderMessage) {
            EXPECT_EQ(dialogs.messages(), QStringList{TFrm_Out::folderDoesNotOpen(file.absolutePath())});
        }
    }
}

// The window's buttons speak Chinese.
TEST_F(ExportWindowTest, ButtonsAreChinese)
{
    EXPECT_EQ(out->findChild<QPushButton*>("BitBtn1")->text(), "确定");
    EXPECT_EQ(out->findChild<QPushButton*>("BitBtn2")->text(), "取消");
}

// Under a private folder name that is a link to elsewhere, in a temporary
// folder where no fresh one can be made, the export says so and writes nothing.
TEST_F(ExportWindowTest, RefusesWhenNoFolderOfOursCanBeHad)
{
    seed(2, "08001");
    const QString elsewhere = dir.file("elsewhere");
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    ASSERT_TRUE(QFile::link(elsewhere, temporaryRoot() + QStringLiteral("/quorvane-%1").arg(getuid())));
    const ReadOnlyFolder readOnly(temporaryRoot());
    out->show();
    press("BitBtn1");
    EXPECT_TRUE(opened.isEmpty());
    const QStringList critical = dialogs.texts(FakeDialogs::Kind::Critical);
    ASSERT_EQ(critical.size(), 1);
    EXPECT_TRUE(critical[0].contains("无法导出")) << critical[0].toStdString();
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
}

TEST_F(ExportWindowTest, MenuOpensANewWindowEachTimeAtTheRangeOnScreen)
{
    const QStringList issues = seed(60, "2025001");
    window->FormShow();
    ASSERT_FALSE(gridIssues().isEmpty());
    ASSERT_NE(gridIssues().first(), issues.first());
    QStringList ranges;
    const auto readRange = [&](QDialog* shown) {
        shown->show();
        ranges << shown->findChild<QComboBox*>("ComboBox1")->currentText() + "-" +
                      shown->findChild<QComboBox*>("ComboBox2")->currentText();
        return 0;
    };
    dialogs.modalHandlers = {readRange, readRange};
    action("N28")->trigger();
    action("N28")->trigger();
    EXPECT_EQ(dialogs.texts(FakeDialogs::Kind::Modal), QStringList({"历史数据导出", "历史数据导出"}));
    const QString onScreen = gridIssues().first() + "-" + gridIssues().last();
    EXPECT_EQ(ranges, QStringList({onScreen, onScreen}));
}

} // namespace
