#include "shell/print/PlanPrinting.h"

#include "print/MarginCommand.h"
#include "shell/print/PlanPainting.h"
#include "shell/print/PrintChecks.h"
#include "tests/shell_dialogs/ModalDriver.h"
#include "tests/shell_print/PlanFixture.h"
#include "tests/support/RecordingMessageSink.h"
#include "tests/support/TempDir.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>

#include <algorithm>
#include <functional>

namespace qb::test {
namespace {

// The smallest rectangle holding the pixels of `area` that pass `test`.
DrawRect PixelBounds(const QImage& image, const DrawRect& area, const std::function<bool(QRgb)>& test)
{
    DrawRect b{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (image.valid(x, y) && test(image.pixel(x, y)))
                b = {std::min(b.left, x), std::min(b.top, y), std::max(b.right, x + 1), std::max(b.bottom, y + 1)};
    return b;
}

bool IsDark(QRgb p) { return qGray(p) < 128; }
bool IsLabelBlue(QRgb p) { return qBlue(p) > qRed(p) + 40 && qBlue(p) > qGreen(p) + 40; }
bool IsNotWhite(QRgb p) { return p != qRgb(255, 255, 255); }

// A PDF writer on A4 at 600 dpi, printable 10 mm inside the sides and 15 mm inside top and bottom.
void SetUpA4(QPrinter& printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(10, 15, 10, 15), QPageLayout::Millimeter);
}

class PlanPrintTest : public PlanTest {
protected:
    CTempDir dir;
    CRecordingMessageSink messages;
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(PlanPrintTest, PageAt300DpiKeepsPictureAndLabelsInsideTheMargins)
{
    AddSummit();
    AddName(kPeak2, 40, 0, "\x96\x6b\x8a\x78");   // 北岳 in two corners, where labels may overrun
    AddName(kPeak2, 0, 30, "\x96\x6b\x8a\x78");
    QImage page(1500, 2000, QImage::Format_RGB32);
    page.setDotsPerMeterX(11811);
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white);
    const DrawRect inside{300, 300, 1350, 1400};   // 1 inch left and top, 1/2 right, 2 at the bottom
    QPainter painter(&page);
    EXPECT_EQ(PaintPlanPage(painter, Source(), DrawRect{0, 0, 1500, 2000}, MarginRect{1440, 1440, 720, 2880}), inside);
    painter.end();

    const DrawRect marked = PixelBounds(page, DrawRect{0, 0, 1500, 2000}, IsNotWhite);
    EXPECT_TRUE(marked.left >= inside.left && marked.top >= inside.top && marked.right <= inside.right &&
                marked.bottom <= inside.bottom);
    EXPECT_GE(marked.Width(), inside.Width() * 85 / 100);
    // The summit's label in a font 13/96 inch high: about 40 pixels.
    const DrawPoint s = viewer.GridToScreen(20, 15);
    const DrawRect label = PixelBounds(page, DrawRect{s.x - 2, s.y - 120, s.x + 150, s.y + 2}, IsLabelBlue);
    EXPECT_GE(label.Height(), 30);
    EXPECT_LE(label.Height(), 60);
}

TEST_F(PlanPrintTest, PdfPageHoldsTheEnginesPictureInsideThePrintableAreaLessTheMargins)
{
    SetUpA4(printer);
    const std::string path = dir.File("plan.pdf");
    // 1 inch left, 1/2 on top, 1.5 right, 1 at the bottom.
    ASSERT_TRUE(PrintPlanViewToPdf(printer, QString::fromStdString(path), Source(), MarginRect{1440, 720, 2160, 1440},
                                   messages));
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_GT(bytes.size(), 2000u);
#ifdef QB_GHOSTSCRIPT
    // The page back as pixels at 100 dpi, one for six of the printer's.
    const QString png = QString::fromStdString(dir.File("plan.png"));
    ASSERT_EQ(QProcess::execute(QB_GHOSTSCRIPT, {"-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pnggray", "-r100",
                                                 "-sOutputFile=" + png, QString::fromStdString(path)}),
              0);
    const QImage sheet(png);
    ASSERT_NEAR(sheet.height(), 1169, 1);   // 11.69 inches
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    const auto onSheet = [&](int x, int y) { return QPoint((printable.x() + x) / 6, (printable.y() + y) / 6); };
    const DrawRect drawn = PixelBounds(sheet, DrawRect{0, 0, sheet.width(), sheet.height()}, IsDark);
    const QPoint inside0 = onSheet(600, 300);
    const QPoint inside1 = onSheet(printable.width() - 900, printable.height() - 600);
    EXPECT_TRUE(drawn.left >= inside0.x() && drawn.top >= inside0.y() && drawn.right <= inside1.x() + 1 &&
                drawn.bottom <= inside1.y() + 1);
    // What is drawn is the engine's frame on the page.
    const QPoint frame0 = onSheet(viewer.DrawingRect().left - 1, viewer.DrawingRect().top - 1);
    const QPoint frame1 = onSheet(viewer.FarCorner().x, viewer.FarCorner().y);
    EXPECT_NEAR(drawn.left, frame0.x(), 2);
    EXPECT_NEAR(drawn.top, frame0.y(), 2);
    EXPECT_NEAR(drawn.right, frame1.x() + 1, 2);
    EXPECT_NEAR(drawn.bottom, frame1.y() + 1, 2);
    EXPECT_GE(drawn.Width(), (inside1.x() - inside0.x()) * 85 / 100);
#endif
}

TEST_F(PlanPrintTest, MarginsWiderThanThePageAreRefusedBeforeAFileIsWritten)
{
    SetUpA4(printer);
    const QString path = QString::fromStdString(dir.File("none.pdf"));
    EXPECT_FALSE(PrintPlanViewToPdf(printer, path, Source(), MarginRect{7200, 0, 7200, 0}, messages));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kNoRoomMessage)});
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(PlanPrintTest, WithoutAPrinterTheUserIsToldAndThePrintDialogOffersAPdfFile)
{
    printer.setDocName(QStringLiteral("/data/富士山.3dm"));
    OnModal<QPrintDialog>([](QPrintDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(PrintPlanView(printer, Source(), MarginRect{}, messages, nullptr, false));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kNoPrinterMessage)});
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_TRUE(printer.outputFileName().endsWith(QStringLiteral("/富士山.pdf")));
    EXPECT_FALSE(QFileInfo::exists(printer.outputFileName()));

    const QString path = QString::fromStdString(dir.File("dialog.pdf"));
    printer.setOutputFileName(path);
    OnModal<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    EXPECT_TRUE(PrintPlanView(printer, Source(), MarginRect{}, messages, nullptr, false));
    EXPECT_EQ(ReadFileBytes(path.toStdString()).substr(0, 5), "%PDF-");
}

TEST_F(PlanPrintTest, PreviewShowsOnePageDrawnAtThePrintersResolution)
{
    SetUpA4(printer);
    const auto dialog = MakePlanPreview(printer, Source(), MarginRect{1440, 1440, 1440, 1440});
    dialog->show();
    QCoreApplication::processEvents();
    const auto* preview = dialog->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->pageCount(), 1);
    EXPECT_GT(viewer.DrawingRect().left, 600) << "inside one inch at 600 dpi";
}

} // namespace
} // namespace qb::test
