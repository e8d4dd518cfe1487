#include "common/ReportWindow.h"
#include "core/AppError.h"

#include "windows/Mainform.h"
#include "Mmain.h"
#include "common/ReportPictures.h"
#include "common/Picture.h"
#include "core/AppFolder.h"
#include "db/Connection.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Formatting.h"
#include "forms/Forms.h"
#include "forms/Handler.h"
#include "forms/MessageBox.h"
#include "forms/Twips.h"
#include "imagelist/ImageList.h"
#include "spreadsheet/PrinterService.h"
#include "spreadsheet/Spreadsheet.h"

#include <QLabel>
#include <QMenu>

using hestova::AppError;
using hestova::controls::objectArgument;
using hestova::forms::RunHandler;
using hestova::reports::ReportPicture;

namespace {

using hestova::ErrorNumber::ObjectClosed;

// The buttons and their pictures.
const QList<QPair<QString, ReportPicture>> ButtonPictures = {
    {QStringLiteral("Command1"), ReportPicture::Print},    {QStringLiteral("Command2"), ReportPicture::PrintSetup},
    {QStringLiteral("command3"), ReportPicture::Preview},  {QStringLiteral("command4"), ReportPicture::Close},
    {QStringLiteral("command5"), ReportPicture::PrintAll}, {QStringLiteral("memurept"), ReportPicture::ChooseSheet},
};

// Controls that the load pushes below the title bar, in this order.
const QStringList MovedControls = {
    QStringLiteral("command3"), QStringLiteral("Command1"), QStringLiteral("Command2"),
    QStringLiteral("command4"), QStringLiteral("command5"), QStringLiteral("memurept"),
    QStringLiteral("Label2"),   QStringLiteral("Label1"),   QStringLiteral("F1Book1"),
};

// The designed labels are narrower than the survey's number and time: they grow to their text, from their left.
void showCaption(QLabel &label, const QString &text)
{
    label.setText(text);
    label.resize(qMax(label.width(), label.sizeHint().width()), label.height());
}

}  // namespace

ReportWindow::ReportWindow(const QString &formName, const QString &sheetMenuName, const QStringList &sheetItemTags)
    : SkinnedForm(formName)
{
    createControls(sheetMenuName, sheetItemTags);
    connectButtons();
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::createControls(const QString &sheetMenuName, const QStringList &sheetItemTags)
{
    m_label1 = new QLabel(client());
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label2 = new QLabel(client());
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_book = new hestova::spreadsheet::Spreadsheet(client());
    m_book->setObjectName(QStringLiteral("F1Book1"));
    m_bookControl = std::make_unique<hestova::controls::LateBound>(m_book);
    m_book->setDocumentName(Caption());  // before a sheet is built: the report's name alone
    m_imageList = new hestova::ImageList(this);
    m_imageList->setObjectName(QStringLiteral("ImageList1"));
    m_sheetMenu = createMenu(sheetMenuName, sheetMenuName);

    RunHandler([this] {
        applyDesign(m_label1, QStringLiteral("Label1"));
        applyDesign(m_label2, QStringLiteral("Label2"));
        applyDesign(m_book, QStringLiteral("F1Book1"));
    });

    // The sheet menu's pictures: one per item, tagged with the item's caption.
    m_imageList->setImageWidth(hestova::reports::pictureSize(ReportPicture::SheetItem));
    m_imageList->setImageHeight(hestova::reports::pictureSize(ReportPicture::SheetItem));
    m_imageList->setUseMaskColor(false);
    const QPixmap sheetPicture = hestova::reports::drawReportPicture(ReportPicture::SheetItem);
    for (const QString &tag : sheetItemTags) {
        auto *image = static_cast<hestova::ListImage *>(
            m_imageList->listImages()->Add(QVariant(), QString(), sheetPicture));
        image->setTag(tag);
    }

    // Without the control libraries (already reported) the window opens without its buttons.
    for (const auto &[button, picture] : ButtonPictures) {
        if (hasHostedControl(button)) {
            RunHandler([&] {
                control(button).set("Image",
                                    hestova::controls::Picture::icon(QIcon(hestova::reports::drawReportPicture(picture))));
            });
        }
    }
}

void ReportWindow::connectButtons()
{
    onClick(QStringLiteral("Command1"), [this] { Command1_Click(); });
    onClick(QStringLiteral("Command2"), [this] { Command2_Click(); });
    onClick(QStringLiteral("command3"), [this] { command3_Click(); });
    onClick(QStringLiteral("command4"), [this] { command4_Click(); });
    onClick(QStringLiteral("command5"), [this] { command5_Click(); });
    onClick(QStringLiteral("memurept"), [this] { memurept_Click(); });
}

bool ReportWindow::isConnected() const
{
    return m_connection && m_connection->isOpen();
}

hestova::db::Connection &ReportWindow::ReportConn()
{
    if (!isConnected())
        throw AppError(ObjectClosed, QStringLiteral("数据库连接未打开，无法读取报表数据。"));
    return *m_connection;
}

// Each step runs on its own: a failing step is reported in the "错误" box and the window goes on with the
// next, so that it opens (without what failed) instead of ending the program.
void ReportWindow::Form_Load()
{
    RunHandler([this] { skinWindow(hestova::host::ReportIcon, MovedControls); });
    setWindowStateValue(hestova::forms::vbMaximized);
    if (hasHostedControl(QStringLiteral("UCQuillon2"))) {
        RunHandler([this] {
            control(QStringLiteral("UCQuillon2"))
                .invoke("Convert", {objectArgument(this), objectArgument(m_imageList), true});
        });
    }
    showCaption(*m_label1, QStringLiteral("调查序号:") + hestova::forms::plainDecimal(Mmain::ReportSurveyNo));
    showCaption(*m_label2, QStringLiteral("调查时间:") + hestova::forms::dateText(Mmain::ReportSurveyDate));
    RunHandler([this] {
        auto connection = std::make_unique<hestova::db::Connection>();
        connection->Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
        m_connection = std::move(connection);
    });
}

// The main window comes back also when closing the connection fails.
void ReportWindow::Form_Unload()
{
    RunHandler([this] {
        if (m_connection) {
            auto connection = std::move(m_connection);
            connection->Close();
        }
    });
    RunHandler([] { hestova::forms::Forms::get<Mainform>().Show(); });
}

void ReportWindow::Form_Resize()
{
    resizeSkin();
    if (WindowState() != hestova::forms::vbMinimized)
        fitSheet();
}

// The sheet fills the window below its top; a window shorter than that leaves it no height.
void ReportWindow::fitSheet()
{
    const int top = F1Book1().get("Top").toInt();
    F1Book1().invoke("Move", {0, top, ScaleWidth(), qMax(0, ScaleHeight() - top)});
}

void ReportWindow::PrintErrorBox(const std::function<void()> &step)
{
    RunHandler(step);
}

void ReportWindow::Command1_Click()
{
    PrintErrorBox([this] { F1Book1().invoke("PrintSheet", {false, false}); });
}

void ReportWindow::Command2_Click()
{
    PrintErrorBox([this] { F1Book1().invoke("PrintSetup"); });
}

void ReportWindow::command3_Click()
{
    PrintErrorBox([this] { F1Book1().invoke("PreviewSheet"); });
}

void ReportWindow::command4_Click()
{
    Unload();
}

void ReportWindow::command5_Click()
{
    PrintErrorBox([this] {
        // One run: printed to a file, the sheets go to "<name>-1.pdf", "<name>-2.pdf", ... by their place.
        const hestova::spreadsheet::PrintRun run;
        PrintAllSheets();
    });
}

void ReportWindow::memurept_Click()
{
    popupUnder(m_sheetMenu, QStringLiteral("memurept"));
}

void ReportWindow::SheetPreamble(const QString &templateFile, const QString &sheetCaption)
{
    F1Book1().invoke("ReadTemplate", {hestova::AppFolder::file(QStringLiteral("\\report\\") + templateFile)});
    F1Book1().set("SheetOption", false);
    F1Book1().set("HeaderText", SheetHeader());
    F1Book1().set("DocumentName", Caption() + QStringLiteral(" - ") + sheetCaption);
}

QString ReportWindow::SheetHeader()
{
    return QStringLiteral("青禾市中心医院      调查日期：") + hestova::forms::dateText(Mmain::ReportSurveyDate);
}
