// The report-window frame, checked on each of the three report windows.
#include "ReportFixture.h"

#include "windows/Mainform.h"
#include "Mmain.h"
#include "common/Picture.h"
#include "core/AppError.h"
#include "forms/Forms.h"
#include "forms/Twips.h"
#include "functional/Reportzn.h"
#include "imagelist/ImageList.h"
#include "medtech/Reportyj.h"
#include "patient/Reportbr.h"
#include "spreadsheet/Spreadsheet.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>

using namespace hestova::forms;

namespace {

QWidget *controlOf(ReportWindow &window, const char *name)
{
    return window.controlWidget(QString::fromLatin1(name));
}

// Raises a button's Click as the button itself does when it is pressed.
void click(ReportWindow &window, const char *button)
{
    ASSERT_TRUE(QMetaObject::invokeMethod(controlOf(window, button), "Click"));
}

}  // namespace

template <class W>
class ReportWindowTest : public ReportFixture {
protected:
    using Traits = ReportTraits<W>;

    W &open()
    {
        W &window = Forms::get<W>();
        window.Show();
        QCoreApplication::processEvents();
        return window;
    }
};

using ReportWindows = ::testing::Types<Reportbr, Reportyj, Reportzn>;
TYPED_TEST_SUITE(ReportWindowTest, ReportWindows);

TYPED_TEST(ReportWindowTest, OpensMaximisedOverTheReportedSurvey)
{
    TypeParam &window = this->open();

    EXPECT_EQ(window.WindowState(), vbMaximized);
    EXPECT_EQ(window.Caption(), QString::fromUtf8(TestFixture::Traits::caption));
    EXPECT_EQ(window.UCtitlebar1().get("Caption").toString(), QString::fromUtf8(TestFixture::Traits::titleBarCaption));
    EXPECT_EQ(window.Label1().text(), QStringLiteral("调查序号:3"));
    EXPECT_EQ(window.Label2().text(), QStringLiteral("调查时间:2026-3-14"));
    EXPECT_TRUE(window.Label1().font().bold());
    // The labels show their whole text.
    for (QLabel *label : {&window.Label1(), &window.Label2()})
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << label->text().toStdString();
    EXPECT_TRUE(window.isConnected());
    // Nothing is built at load: the sheet is empty.
    EXPECT_EQ(window.sheetWidget().CellText(1, 1), QString());
    EXPECT_TRUE(this->boxes.boxes().isEmpty()) << this->boxes.boxes().value(0).text.toStdString();
}

TYPED_TEST(ReportWindowTest, ControlsSitBelowTheTitleBarAndTheSheetFillsTheWindow)
{
    TypeParam &window = this->open();
    const FormDefinition &design = window.definition();
    for (const char *name : {"command3", "Command1", "Command2", "command4", "command5", "memurept", "Label2", "Label1"}) {
        const QString control = QString::fromLatin1(name);
        EXPECT_EQ(Twips::top(controlOf(window, name)), hestova::pixelsFromTwips(design.control(control).geometry->top() + 280) * 15)
            << name;
        EXPECT_EQ(Twips::left(controlOf(window, name)), hestova::pixelsFromTwips(design.control(control).geometry->left()) * 15)
            << name;
    }
    // The title bar stays where it is.
    EXPECT_EQ(controlOf(window, "UCtitlebar1")->y(), 0);

    QWidget *sheet = &window.sheetWidget();
    EXPECT_EQ(sheet->y(), hestova::pixelsFromTwips(1200 + 280));
    EXPECT_EQ(sheet->x(), 0);
    EXPECT_EQ(sheet->width(), window.client()->width());
    EXPECT_EQ(sheet->y() + sheet->height(), window.client()->height());

    // Restored to a smaller size it still fills the window below its top.
    window.setWindowStateValue(vbNormal);
    window.resize(700, 500);
    QCoreApplication::processEvents();
    EXPECT_EQ(sheet->x(), 0);
    EXPECT_EQ(sheet->y(), hestova::pixelsFromTwips(1200 + 280));
    EXPECT_EQ(sheet->width(), window.client()->width());
    EXPECT_EQ(sheet->y() + sheet->height(), window.client()->height());
    EXPECT_EQ(controlOf(window, "UCtitlebar1")->width(), window.client()->width());

    // A window shorter than the sheet's top leaves the sheet no height instead of a negative one.
    window.resize(700, 60);
    QCoreApplication::processEvents();
    EXPECT_EQ(sheet->height(), 0);
    EXPECT_TRUE(this->boxes.boxes().isEmpty());
}

TYPED_TEST(ReportWindowTest, MinimisedWindowLeavesTheSheetAlone)
{
    TypeParam &window = this->open();
    QWidget *sheet = &window.sheetWidget();
    const QRect before = sheet->geometry();

    window.setWindowStateValue(vbMinimized);
    window.resize(400, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(sheet->geometry(), before);

    window.setWindowStateValue(vbNormal);
    window.resize(640, 480);
    QCoreApplication::processEvents();
    EXPECT_EQ(sheet->y() + sheet->height(), window.client()->height());
}

TYPED_TEST(ReportWindowTest, ButtonsAndSheetMenuGetTheirPictures)
{
    TypeParam &window = this->open();
    const struct {
        const char *name;
        int size;
    } buttons[] = {{"Command1", 32}, {"Command2", 32}, {"command3", 32}, {"command4", 16}, {"command5", 32}, {"memurept", 16}};
    for (const auto &button : buttons) {
        auto &control = window.control(QString::fromLatin1(button.name));
        EXPECT_EQ(hestova::controls::Picture::pixelSize(control.get("Image")), QSize(button.size, button.size)) << button.name;
        EXPECT_EQ(control.get("ImageSize").toInt(), button.size) << button.name;
    }

    // One 16 x 16 picture per sheet item, tagged with the item's caption, in menu order.
    hestova::ImageList &images = window.ImageList1();
    ASSERT_EQ(images.listImages()->Count(), TestFixture::Traits::sheetCount);
    EXPECT_EQ(images.transparentImage(0).size(), QSize(16, 16));
    EXPECT_EQ(images.listImages()->at(0)->Tag().toString(), QString::fromUtf8(TestFixture::Traits::firstSheet));
    EXPECT_EQ(images.listImages()->at(TestFixture::Traits::sheetCount - 1)->Tag().toString(),
              QString::fromUtf8(TestFixture::Traits::lastSheet));

    // The load converted the window's menus: the menu control holds a menu engine for it.
    EXPECT_FALSE(window.controlWidget(QStringLiteral("UCQuillon2"))->isVisible());
    EXPECT_NO_THROW(window.control(QStringLiteral("UCQuillon2")).invoke("UnloadMenu"));
}

TYPED_TEST(ReportWindowTest, PrintsTheEmptySheetThroughThePrinter)
{
    TypeParam &window = this->open();
    click(window, "Command1");

    EXPECT_TRUE(this->boxes.boxes().isEmpty()) << this->boxes.boxes().value(0).text.toStdString();
    EXPECT_EQ(this->pdf->prepared, 1);
    ASSERT_TRUE(QFile::exists(this->pdfPath));
    EXPECT_GE(pdfPageCount(this->pdfPath), 1);
    EXPECT_EQ(pdfTitle(this->pdfPath), window.Caption());  // no sheet yet: named after the report
}

TYPED_TEST(ReportWindowTest, PrintsTheShownSheetWithItsHeader)
{
    TypeParam &window = this->open();
    window.sheetWidget().ReadTemplate(QStringLiteral(SAMPLE_TEMPLATE));
    window.sheetWidget().setHeaderText(QStringLiteral("青禾市中心医院      调查日期：2026-3-14"));
    window.sheetWidget().setCellText(11, 1, QStringLiteral("心血管内科"));
    click(window, "Command1");

    ASSERT_TRUE(this->boxes.boxes().isEmpty()) << this->boxes.boxes().value(0).text.toStdString();
    const QString text = pdfText(this->pdfPath);
    EXPECT_TRUE(text.contains(QStringLiteral("调查日期：2026-3-14"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("心血管内科"))) << text.toStdString();
}

TYPED_TEST(ReportWindowTest, PreviewAndPrintSetupGoThroughThePrinter)
{
    TypeParam &window = this->open();
    click(window, "command3");
    click(window, "Command2");

    EXPECT_EQ(this->pdf->previews, 1);
    EXPECT_EQ(this->pdf->setups, 1);
    EXPECT_TRUE(this->boxes.boxes().isEmpty());
}

TYPED_TEST(ReportWindowTest, PrintingWithoutAPrinterSaysSoInTheErrorBox)
{
    TypeParam &window = this->open();
    this->usePrinter(std::make_unique<NoPrinterService>());
    click(window, "Command1");

    ASSERT_EQ(this->boxes.boxes().size(), 1);
    const auto &box = this->boxes.last();
    EXPECT_EQ(box.title, QStringLiteral("错误"));
    EXPECT_EQ(box.icon(), vbCritical);
    EXPECT_EQ(box.buttonSet(), vbOKOnly);
    EXPECT_EQ(box.text, QStringLiteral("482：  ") + hestova::spreadsheet::PrinterService::noPrinterText());
    // The window stays and can print once a printer is there.
    EXPECT_TRUE(Forms::isLoaded<TypeParam>());
    this->usePrinter(std::make_unique<PdfPrinterService>(this->pdfPath));
    click(window, "Command1");
    EXPECT_EQ(this->boxes.boxes().size(), 1);
    EXPECT_TRUE(QFile::exists(this->pdfPath));
}

TYPED_TEST(ReportWindowTest, SheetButtonPopsUpTheSheetMenuUnderItself)
{
    TypeParam &window = this->open();
    click(window, "memurept");

    ASSERT_EQ(this->popups.popups().size(), 1);
    const auto &popup = this->popups.last();
    EXPECT_EQ(popup.menuName, QString::fromLatin1(TestFixture::Traits::sheetMenu));
    EXPECT_EQ(popup.menu.data(), &window.SheetMenu());
    QWidget *button = controlOf(window, "memurept");
    const QPoint expected(hestova::pixelsFromTwips(Twips::left(button) - 30), hestova::pixelsFromTwips(Twips::top(button) + Twips::height(button)));
    EXPECT_EQ(popup.position, window.client()->mapToGlobal(expected));
    // The menu never shows as a menu bar.
    EXPECT_FALSE(window.SheetMenu().isVisible());
}

TYPED_TEST(ReportWindowTest, ClosingShowsTheMainWindowAgain)
{
    // The report picker unloaded the main window when it opened the report window.
    TypeParam &window = this->open();
    ASSERT_FALSE(Forms::isLoaded<Mainform>());

    click(window, "command4");
    this->finishUnloads();
    EXPECT_FALSE(Forms::isLoaded<TypeParam>());
    ASSERT_TRUE(Forms::isLoaded<Mainform>());
    EXPECT_TRUE(Forms::find<Mainform>()->isVisible());

    // The title bar's close button asks the window to close: the same unload.
    Forms::unload<Mainform>();
    this->finishUnloads();
    this->open().close();
    this->finishUnloads();
    EXPECT_FALSE(Forms::isLoaded<TypeParam>());
    ASSERT_TRUE(Forms::isLoaded<Mainform>());
    EXPECT_TRUE(Forms::find<Mainform>()->isVisible());
    EXPECT_TRUE(this->boxes.boxes().isEmpty()) << this->boxes.boxes().value(0).text.toStdString();
}

TYPED_TEST(ReportWindowTest, ReopeningLoadsTheWindowAfresh)
{
    this->open();
    Forms::unload<TypeParam>();
    this->finishUnloads();

    Mmain::ReportSurveyNo = 5;
    Mmain::ReportSurveyDate = QDateTime(QDate(2026, 6, 1), QTime(9, 30));
    TypeParam &again = this->open();
    EXPECT_EQ(again.Label1().text(), QStringLiteral("调查序号:5"));
    EXPECT_EQ(again.Label2().text(), QStringLiteral("调查时间:2026-6-1 9:30:00"));
    EXPECT_TRUE(again.isConnected());
}
