#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "base/failure.h"
#include "page_text.h"
#include "reports/island_list_report.h"
#include "reports/island_lists.h"
#include "reports/render/page_setup.h"
#include "reports/render/pdf_output.h"
#include "reports/render/report_fonts.h"
#include "reports/summary_report.h"
#include "reports/want_list_report.h"
#include "support/qt_printers.h"

namespace {

using namespace reports;

const QString kPrintedAt = QStringLiteral("05.03.2004 14:07:09");
const PageHeaderCaptions kHeader = ownerPageHeader("DL1ABC", "4711");

struct LaidOut {
    std::vector<LaidOutPage> pages;
    QSizeF area;
};

// Lays the report out as a PDF file on the paper would have it.
LaidOut layOut(const Report& report, QPageSize::PageSizeId paper = QPageSize::A4) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    applyPageSetup(report, writer, QPageSize(paper));
    const QSizeF area = writer.pageLayout().paintRect(QPageLayout::Millimeter).size();
    return {layoutReport(report, writer, area, kPrintedAt), area};
}

RecordSet islands(int count) {
    RecordSet records{islandListFields(), {}};
    for (int i = 1; i <= count; ++i) {
        const QString reference = QStringLiteral("OC-%1").arg(i, 3, 10, QChar('0'));
        const bool worked = i % 7 == 0;
        records.rows.push_back({reference, i % 3 ? "VK" : "YB9", QStringLiteral("Island group number %1").arg(i),
                                worked ? "VK9/DL1ABC" : "", worked ? "from the UPF log" : "", worked ? "W" : "-"});
    }
    return records;
}

std::vector<SummaryRow> summaryRows() {
    const QStringList keys{"af", "an", "as", "eu", "na", "oc", "sa", "tot", "ai", "bi", "wi"};
    const QStringList captions{"Africa",         "Antarctica",    "Asia",         "Europe",
                               "Northamerica",   "Oceania",       "Southamerica", "Total score",
                               "Arctic Islands", "British Isles", "West Indies"};
    std::vector<SummaryRow> rows;
    for (int i = 0; i < keys.size(); ++i)
        rows.push_back({keys[i], captions[i], i == 10 ? SummaryCounts{} : SummaryCounts{i, 1, 2, i + 1, i + 3, 40}});
    return rows;
}

// A want list longer than a page: every reference of seven continents needed, some worked.
QStringList longWantList() {
    const QStringList headings{
        "Africa:", "Antarctica:", "Asia:", "Europe:", "Northamerica:", "Oceania:", "Southamerica:"};
    const QStringList codes{"AF", "AN", "AS", "EU", "NA", "OC", "SA"};
    const int counts[] = {116, 21, 204, 190, 250, 299, 101};
    QStringList memo;
    for (int c = 0; c < 7; ++c) {
        memo << headings[c];
        QString line;
        for (int n = 1; n <= counts[c]; ++n) {
            const QString reference = QStringLiteral("%1-%2").arg(codes[c]).arg(n, 3, 10, QChar('0'));
            line += n % 5 ? "  " + reference + " " : " (" + reference + ")";
            if (n % 19 == 0 || n == counts[c]) memo << std::exchange(line, QString());
        }
        memo << "";
    }
    return memo;
}

std::vector<BandType> bandTypes(const LaidOutPage& page) {
    std::vector<BandType> types;
    for (const PlacedBand& band : page.bands) types.push_back(band.type);
    return types;
}

QString where(const PlacedText& text) {
    return QStringLiteral("%1 \"%2\" at %3,%4 size %5x%6")
        .arg(text.name, text.text)
        .arg(text.rect.left(), 0, 'f', 1)
        .arg(text.rect.top(), 0, 'f', 1)
        .arg(text.rect.width(), 0, 'f', 1)
        .arg(text.rect.height(), 0, 'f', 1);
}

// Nothing overlaps or is cut: every band and text lies inside the printable area, every text
// inside its band, no two texts or bands of a page meet, and only field values lose their end.
void expectClean(const LaidOut& laid, const std::string& what) {
    const QRectF area(QPointF(0, 0), laid.area);
    constexpr double tolerance = 0.01;
    const auto inside = [&](const QRectF& outer, const QRectF& inner) {
        return inner.left() >= outer.left() - tolerance && inner.right() <= outer.right() + tolerance &&
               inner.top() >= outer.top() - tolerance && inner.bottom() <= outer.bottom() + tolerance;
    };
    for (size_t p = 0; p < laid.pages.size(); ++p) {
        std::vector<PlacedText> texts;
        const auto& bands = laid.pages[p].bands;
        for (size_t b = 0; b < bands.size(); ++b) {
            EXPECT_TRUE(inside(area, bands[b].rect)) << what << " page " << p + 1 << ": band "
                                                     << bandTypeName(bands[b].type).toStdString() << " off the page";
            if (b > 0) {
                EXPECT_LE(bands[b - 1].rect.bottom(), bands[b].rect.top() + tolerance)
                    << what << " page " << p + 1 << ": bands overlap";
            }
            for (const PlacedText& text : bands[b].texts) {
                EXPECT_TRUE(inside(bands[b].rect, text.rect))
                    << what << " page " << p + 1 << ": " << where(text).toStdString() << " leaves its band";
                EXPECT_FALSE(text.cut && !text.name.startsWith("QRDBText"))
                    << what << " page " << p + 1 << ": " << where(text).toStdString() << " is cut";
                texts.push_back(text);
            }
        }
        for (size_t i = 0; i < texts.size(); ++i) {
            for (size_t j = i + 1; j < texts.size(); ++j) {
                EXPECT_FALSE(
                    texts[i].rect.adjusted(tolerance, tolerance, -tolerance, -tolerance).intersects(texts[j].rect))
                    << what << " page " << p + 1 << ": " << where(texts[i]).toStdString() << " overlaps "
                    << where(texts[j]).toStdString();
            }
        }
    }
}

TEST(ReportFonts, ArialOrItsStandInIsInstalled) {
    EXPECT_TRUE(QFontDatabase::hasFamily(arialFamily())) << arialFamily().toStdString();
    const QFont font = reportFont({14, true, false});
    EXPECT_EQ(font.pointSizeF(), 14);
    EXPECT_TRUE(font.bold());
}

TEST(ReportPaper, LetterStaysLetterAndEveryOtherPaperIsA4) {
    EXPECT_EQ(reportPaper(QPageSize(QPageSize::Letter)).id(), QPageSize::Letter);
    EXPECT_EQ(reportPaper(QPageSize(QPageSize::Legal)).id(), QPageSize::A4);
    EXPECT_EQ(reportPaper(QPageSize(QPageSize::A5)).id(), QPageSize::A4);
    const QSizeF letter = reportPaper(QPageSize(QPageSize::Letter)).size(QPageSize::Millimeter);
    EXPECT_NEAR(letter.width(), 215.9, 0.05);
    EXPECT_NEAR(letter.height(), 279.4, 0.05);
}

TEST(ReportPaper, PageSetupTakesOrientationAndMarginsOfTheReport) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    applyPageSetup(wantListReport("header", {}), writer, QPageSize(QPageSize::Letter));
    const QRectF full = writer.pageLayout().fullRect(QPageLayout::Millimeter);
    EXPECT_NEAR(full.width(), 279.4, 0.05);
    EXPECT_NEAR(full.height(), 215.9, 0.05);
    const QRectF paint = writer.pageLayout().paintRect(QPageLayout::Millimeter);
    EXPECT_NEAR(paint.left(), 12, 0.05);
    EXPECT_NEAR(paint.width(), 279.4 - 24, 0.05);
}

TEST(IslandListReport, ALabelForEachFieldAtItsPlace) {
    const Report report = islandListReport("IOTA Europe (needed)", islands(1), kHeader);
    EXPECT_EQ(report.title, "Detailed Report");
    EXPECT_EQ(report.orientation, QPageLayout::Portrait);
    EXPECT_EQ(report.margin, 10);
    const char* const labels[] = {"QRDBText1", "QRDBText6", "QRDBText2", "QRDBText3", "QRDBText4", "QRDBText5"};
    const QStringList fields{"IOTA", "Prefix", "Island", "Call", "Comment", "Status"};
    const double fieldLeft[] = {0, 17, 33, 102, 125, 180};
    for (int i = 0; i < 6; ++i) {
        const ReportLabel* label = report.label(labels[i]);
        ASSERT_NE(label, nullptr) << labels[i];
        EXPECT_EQ(label->source, LabelSource::Field);
        EXPECT_EQ(label->text, fields[i]) << labels[i];
        EXPECT_EQ(label->left, fieldLeft[i]) << labels[i];
        EXPECT_EQ(label->style.pointSize, fields[i] == "Comment" ? 8 : 9) << labels[i];
    }
    const double headingLeft[] = {0, 17, 33, 102, 125, 178};
    const ReportBand* headings = report.band(BandType::ColumnHeader);
    ASSERT_NE(headings, nullptr);
    ASSERT_EQ(headings->labels.size(), 6u);
    const QStringList headingTexts{"IOTA Ref.", "Prefix", "Island name", "Call", "Comment", "Status"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(headings->labels[i].text, headingTexts[i]);
        EXPECT_EQ(headings->labels[i].left, headingLeft[i]) << headingTexts[i].toStdString();
    }
    EXPECT_TRUE(headings->frame.bottom);
    EXPECT_EQ(report.label("QRLabel7")->text, "Report for DL1ABC");
    EXPECT_EQ(report.label("QRLabel8")->text, "Directory number 4711");
    EXPECT_EQ(report.label("QRLabel1")->text, "IOTA Europe (needed)");
}

TEST(IslandListReport, ASelectionThatMatchesNothingPrintsOnePage) {
    const LaidOut laid = layOut(islandListReport("IOTA Antarctica (claimed)", islands(0), kHeader));
    ASSERT_EQ(laid.pages.size(), 1u);
    EXPECT_EQ(bandTypes(laid.pages[0]), (std::vector<BandType>{BandType::PageHeader, BandType::Title,
                                                               BandType::ColumnHeader, BandType::PageFooter}));
    const QString differs = compareWithGolden(pageText(laid.pages), "empty_list.txt");
    EXPECT_TRUE(differs.isEmpty()) << differs.toStdString();
    expectClean(laid, "empty list");
}

TEST(IslandListReport, ThreeHundredRecordsRunOverSeveralPages) {
    const LaidOut laid = layOut(islandListReport("IOTA Oceania (needed)", islands(300), kHeader));
    ASSERT_GT(laid.pages.size(), 3u);
    QStringList references;
    for (size_t p = 0; p < laid.pages.size(); ++p) {
        const std::vector<BandType> types = bandTypes(laid.pages[p]);
        EXPECT_EQ(types.front(), BandType::PageHeader) << "page " << p + 1;
        EXPECT_EQ(types[p == 0 ? 2 : 1], BandType::ColumnHeader) << "page " << p + 1;
        EXPECT_EQ(types.back(), BandType::PageFooter) << "page " << p + 1;
        EXPECT_EQ(std::count(types.begin(), types.end(), BandType::Title), p == 0 ? 1 : 0) << "page " << p + 1;
        EXPECT_EQ(laid.pages[p].bands.back().texts[0].text, QStringLiteral("Page %1").arg(p + 1));
        for (const PlacedBand& band : laid.pages[p].bands)
            if (band.type == BandType::Detail) references << band.texts[0].text;
    }
    ASSERT_EQ(references.size(), 300);
    for (int i = 0; i < 300; ++i)
        EXPECT_EQ(references[i], QStringLiteral("OC-%1").arg(i + 1, 3, 10, QChar('0'))) << "in reference order";
    const QString differs = compareWithGolden(pageText(laid.pages), "list_300.txt");
    EXPECT_TRUE(differs.isEmpty()) << differs.toStdString();
    expectClean(laid, "300 records on A4");
    expectClean(layOut(islandListReport("IOTA Oceania (needed)", islands(300), kHeader), QPageSize::Letter),
                "300 records on Letter");
}

TEST(IslandListReport, AnOverlongFieldIsCutAtTheColumn) {
    RecordSet records = islands(1);
    records.rows[0][2] = QString("Very long island group name ").repeated(4);
    const LaidOut laid = layOut(islandListReport("IOTA Oceania (needed)", records, kHeader));
    const PlacedBand& detail = laid.pages[0].bands[3];
    ASSERT_EQ(detail.type, BandType::Detail);
    const PlacedText& island = detail.texts[2];
    EXPECT_EQ(island.name, "QRDBText2");
    EXPECT_TRUE(island.cut);
    EXPECT_TRUE(records.rows[0][2].startsWith(island.text));
    EXPECT_LE(island.rect.right(), 33 + 68 + 0.01);
}

TEST(SummaryReport, ElevenRowsWithTheirValueLabelsBetweenTwoRules) {
    const Report report = summaryReport(summaryRows(), kHeader);
    EXPECT_EQ(report.title, "Summary");
    EXPECT_EQ(report.orientation, QPageLayout::Landscape);
    EXPECT_EQ(report.label("QRLabel10")->text, "Report for DL1ABC");
    EXPECT_EQ(report.label("QRLabel11")->text, "Directory number 4711");
    EXPECT_EQ(report.label("QRL_eu_acw")->text, "6");
    EXPECT_EQ(report.label("QRL_ai_pw")->text, "( 28% )");
    EXPECT_EQ(report.label("QRL_wi_p")->text, "( - )");
    EXPECT_EQ(report.label("QRL_tot_tot")->text, "40");
    EXPECT_EQ(report.label("Rule1")->text, QString(125, '='));
    EXPECT_EQ(report.label("Rule2")->text, QString(125, '='));
    int valueLabels = 0;
    for (const ReportLabel& label : report.band(BandType::Detail)->labels)
        if (label.name.startsWith("QRL_")) ++valueLabels;
    EXPECT_EQ(valueLabels, 88);

    const LaidOut laid = layOut(report);
    ASSERT_EQ(laid.pages.size(), 1u);
    const QString differs = compareWithGolden(pageText(laid.pages), "summary.txt");
    EXPECT_TRUE(differs.isEmpty()) << differs.toStdString();
    expectClean(laid, "summary on A4");
    expectClean(layOut(report, QPageSize::Letter), "summary on Letter");
}

TEST(WantListReport, ALongListContinuesUnderTheHeaderOnTheNextPage) {
    const QStringList memo = longWantList();
    const QString header = "Want List for DL1ABC as of 05.03.2004 14:07:09 / ( )=worked!";
    const Report report = wantListReport(header, memo);
    EXPECT_EQ(report.title, "Want List");
    EXPECT_EQ(report.margin, 12);
    const LaidOut laid = layOut(report);
    ASSERT_GE(laid.pages.size(), 2u);
    QStringList printed;
    for (const LaidOutPage& page : laid.pages) {
        EXPECT_EQ(page.bands.front().texts.at(0).text, header);
        for (const PlacedBand& band : page.bands)
            for (const PlacedText& text : band.texts)
                if (text.memoLine) printed << text.text;
    }
    EXPECT_EQ(printed, memo) << "every line once, in order, unwrapped on A4";
    const QString differs = compareWithGolden(pageText(laid.pages), "want_list.txt");
    EXPECT_TRUE(differs.isEmpty()) << differs.toStdString();
    expectClean(laid, "want list on A4");
    expectClean(layOut(report, QPageSize::Letter), "want list on Letter");
}

TEST(WantListReport, ALineWiderThanThePageWrapsAtBlanks) {
    QString line;
    for (int n = 1; n <= 40; ++n) line += QStringLiteral("  EU-%1 ").arg(n, 3, 10, QChar('0'));
    const QString word(400, 'X');
    const LaidOut laid = layOut(wantListReport("header", {line, word}));
    QStringList pieces;
    for (const PlacedText& text : laid.pages[0].bands[1].texts) pieces << text.text;
    ASSERT_GE(pieces.size(), 4);
    EXPECT_EQ(pieces.join(QString()).remove(' '), QString(line + word).remove(' ')) << "nothing lost";
    const auto wordPieces = std::count_if(pieces.begin(), pieces.end(),
                                          [](const QString& piece) { return QString(piece).remove('X').isEmpty(); });
    EXPECT_GE(wordPieces, 2) << "a word wider than the page breaks inside";
    expectClean(laid, "wrapped want list");
}

TEST(PdfOutput, WritesOnePdfPagePerLaidOutPage) {
    QTemporaryDir dir;
    const QString file = dir.filePath("list.pdf");
    const Report report = islandListReport("IOTA Oceania (needed)", islands(300), kHeader);
    const int pages = writeReportPdf(report, file, QPageSize(QPageSize::A4), kPrintedAt);
    EXPECT_EQ(pages, int(layOut(report).pages.size()));
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF-"));
    EXPECT_EQ(content.count("/Type /Page\n"), pages);
}

TEST(PdfOutput, AFileThatCannotBeWrittenFailsNamingIt) {
    try {
        writeReportPdf(wantListReport("header", {}), "/nonexistent/folder/want.pdf", QPageSize(QPageSize::A4),
                       kPrintedAt);
        FAIL() << "no failure";
    } catch (const Failure& failure) {
        EXPECT_TRUE(failure.message().contains("/nonexistent/folder/want.pdf")) << failure.what();
    }
}

}  // namespace
