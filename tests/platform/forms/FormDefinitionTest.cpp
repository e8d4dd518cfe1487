#include "forms/FormDefinition.h"

#include "core/AppError.h"
#include "screen/OleColor.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace hestova::forms;

namespace {

const QByteArray Designed = R"json({
  "caption": "Hestova",
  "clientWidth": 9045,
  "clientHeight": 6285,
  "backColor": "&H8000000F&",
  "font": { "name": "宋体", "size": 9, "charset": 134 },
  "controls": [
    { "name": "qeTobrel1", "kind": "Tobrel", "left": 120, "top": 120, "width": 1575, "height": 470,
      "properties": { "Caption": "满意度调查", "ColorPnormal": "&HFF8080", "ImageSize": 32, "TipText": "&Hello" } },
    { "name": "Label1", "kind": "Label", "left": 3360, "top": 2160, "width": 2535, "height": 375,
      "caption": "Hestova", "foreColor": "&H808080",
      "font": { "name": "宋体", "size": 15.75, "bold": true, "charset": 134 } },
    { "name": "Line1", "kind": "Line", "visible": false, "properties": { "X1": 2160, "Y1": 1920 } },
    { "name": "Option1(0)", "kind": "OptionButton", "enabled": false, "backColor": 14737632 }
  ]
})json";

int errorOf(const QByteArray &json)
{
    try {
        FormDefinition::parse(json, QStringLiteral("Broken"));
    } catch (const hestova::AppError &error) {
        return error.number();
    }
    return 0;
}

TEST(FormDefinitionReading, ControlsKeepDesignerOrderGeometryAndPropertyBags)
{
    const FormDefinition form = FormDefinition::parse(Designed, QStringLiteral("Mainform"));
    EXPECT_EQ(form.backColor, 0x8000000Fu);
    ASSERT_EQ(form.controls.size(), 4);
    EXPECT_EQ(form.controls[0].name, QStringLiteral("qeTobrel1"));
    EXPECT_EQ(form.controls[3].name, QStringLiteral("Option1(0)"));

    const ControlDefinition &button = form.control(QStringLiteral("qeTobrel1"));
    EXPECT_EQ(button.geometry, QRect(120, 120, 1575, 470));
    EXPECT_EQ(button.properties.value(QStringLiteral("Caption")).toString(), QStringLiteral("满意度调查"));
    EXPECT_EQ(button.properties.value(QStringLiteral("ColorPnormal")).toUInt(), 0xFF8080u);
    EXPECT_EQ(button.properties.value(QStringLiteral("ImageSize")).toInt(), 32);
    EXPECT_EQ(button.properties.value(QStringLiteral("TipText")).toString(), QStringLiteral("&Hello"));

    const ControlDefinition &label = form.control(QStringLiteral("Label1"));
    ASSERT_TRUE(label.font.has_value());
    EXPECT_DOUBLE_EQ(label.font->pointSizeF(), 15.75);

    EXPECT_FALSE(form.control(QStringLiteral("Line1")).geometry.has_value());
    EXPECT_FALSE(form.control(QStringLiteral("Line1")).visible);
    EXPECT_FALSE(form.control(QStringLiteral("Option1(0)")).enabled);
    EXPECT_EQ(form.control(QStringLiteral("Option1(0)")).backColor, 0xE0E0E0u);

    EXPECT_FALSE(form.hasControl(QStringLiteral("Label9")));
    EXPECT_THROW(form.control(QStringLiteral("Label9")), hestova::AppError);
}

TEST(FormDefinitionReading, MalformedDefinitionsAreRefusedWithError321)
{
    const QByteArray window = R"("caption": "x", "clientWidth": 100, "clientHeight": 100)";
    EXPECT_EQ(errorOf("{" + window + "}"), 0);
    for (const QByteArray &broken : {
             QByteArray("{"), QByteArray("[]"),
             QByteArray(R"({"clientWidth": 100, "clientHeight": 100})"),  // no caption
             "{" + window + R"(, "captoin": "y"})",                       // misspelt key
             QByteArray(R"({"caption": "x", "clientWidth": 10.5, "clientHeight": 100})"),
             "{" + window + R"(, "startUpPosition": "manual"})",           // manual without left and top
             "{" + window + R"(, "controls": [{"name": "a", "kind": "Label", "left": 1, "top": 2}]})",
             "{" + window + R"(, "controls": [{"name": "a", "kind": "Label", "foreColor": "red"}]})",
             "{" + window + R"(, "controls": [{"name": "a", "kind": "L"}, {"name": "a", "kind": "L"}]})"}) {
        EXPECT_EQ(errorOf(broken), 321) << broken.toStdString();
    }
}

TEST(FormDefinitionReading, ShippedDefinitionsLoadFromTheResourcesAndUnknownOnesAre53)
{
    const FormDefinition mainform = FormDefinition::load(QStringLiteral("Mainform"));
    EXPECT_EQ(mainform.caption, QStringLiteral("Hestova"));
    EXPECT_EQ(mainform.clientWidth, 9045);
    EXPECT_EQ(mainform.clientHeight, 6285);
    try {
        FormDefinition::load(QStringLiteral("NoSuchWindow"));
        ADD_FAILURE() << "loaded a window that has no definition";
    } catch (const hestova::AppError &error) {
        EXPECT_EQ(error.number(), 53);
    }
}

TEST(FormDefinitionApplying, APlainControlGetsItsDesignedValues)
{
    const FormDefinition form = FormDefinition::parse(Designed, QStringLiteral("Mainform"));
    QWidget window;
    QLabel label(&window);
    applyControlDefinition(&label, form.control(QStringLiteral("Label1")));
    EXPECT_EQ(label.objectName(), QStringLiteral("Label1"));
    EXPECT_EQ(label.text(), QStringLiteral("Hestova"));
    EXPECT_EQ(label.geometry(), QRect(224, 144, 169, 25));
    EXPECT_TRUE(label.font().bold());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));

    QLabel line(&window);
    applyControlDefinition(&line, form.control(QStringLiteral("Line1")));
    EXPECT_TRUE(line.isHidden());

    QLabel parentless;
    applyControlDefinition(&parentless, form.control(QStringLiteral("Label1")));
    EXPECT_FALSE(parentless.isVisible());  // never becomes a window of its own
}

// What a tooltip request over the label shows; empty when nothing shows one.
QString tipOn(QLabel &label)
{
    const QPoint at = label.rect().center();
    QHelpEvent request(QEvent::ToolTip, at, label.mapToGlobal(at));
    QCoreApplication::sendEvent(&label, &request);
    return request.isAccepted() ? QToolTip::text() : QString();
}

TEST(FormDefinitionApplying, LabelsAndLinesLieBeneathWindowedSiblingsAndAHiddenLabelShowsItsTextAsTooltip)
{
    const FormDefinition form = FormDefinition::parse(Designed, QStringLiteral("Mainform"));
    QWidget window;
    window.resize(600, 400);
    auto *before = new QPushButton(&window);  // created before the label, over the start of its text
    before->setGeometry(200, 140, 40, 40);
    before->show();
    auto *label = new QLabel(&window);
    applyControlDefinition(label, form.control(QStringLiteral("Label1")));
    auto *own = new QLabel(&window);
    own->setToolTip(QStringLiteral("自己的提示"));
    applyControlDefinition(own, form.control(QStringLiteral("Label1")));
    auto *clear = new QLabel(&window);
    applyControlDefinition(clear, form.control(QStringLiteral("Label1")));
    clear->move(224, 300);
    auto *line = new QWidget(&window);
    applyControlDefinition(line, form.control(QStringLiteral("Line1")));
    window.show();

    EXPECT_EQ(window.childAt(230, 150), before);
    EXPECT_EQ(tipOn(*label), QStringLiteral("Hestova"));
    EXPECT_EQ(tipOn(*own), QStringLiteral("自己的提示"));
    EXPECT_EQ(tipOn(*clear), QString());

    // The tip is the text at the time it is asked for; the label's own tooltip stays its own.
    label->setText(QStringLiteral("满意度"));
    EXPECT_EQ(label->toolTip(), QString());
    EXPECT_EQ(tipOn(*label), QStringLiteral("满意度"));

    // A word-wrapped label is covered where only one of its lower lines lies under a sibling.
    clear->setWordWrap(true);
    clear->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    clear->setText(QStringLiteral("满意度调查 满意度调查 满意度调查"));
    clear->resize(clear->width(), 4 * clear->fontMetrics().height());
    auto *underSecondLine = new QPushButton(&window);
    underSecondLine->setGeometry(clear->x(), clear->y() + clear->fontMetrics().height() + 2, 20, 10);
    underSecondLine->show();
    EXPECT_EQ(tipOn(*clear), clear->text());

    // Created later, or raised later, a label stays beneath; so does a line.
    auto *after = new QPushButton(&window);
    after->setGeometry(260, 150, 30, 30);
    after->show();
    label->raise();
    line->raise();
    EXPECT_EQ(window.childAt(270, 155), after);
    EXPECT_EQ(window.childAt(230, 150), before);
    EXPECT_LT(window.children().indexOf(line), window.children().indexOf(before));

    // Nothing hides it any more: no tooltip.
    before->hide();
    after->move(260, 350);
    EXPECT_EQ(tipOn(*label), QString());
    EXPECT_EQ(tipOn(*own), QStringLiteral("自己的提示"));
}

TEST(OleColors, BgrValuesSystemColoursAndTheirTexts)
{
    EXPECT_EQ(hestova::toQColor(0xB08000), QColor(0x00, 0x80, 0xB0));
    EXPECT_EQ(hestova::toQColor(0x80000005), QColor(255, 255, 255));  // the window colour of the shared table
    EXPECT_EQ(hestova::parseOleColor(QStringLiteral("&H80000005&")), 0x80000005u);
    EXPECT_FALSE(hestova::parseOleColor(QStringLiteral("&H1FFFFFFFF")).has_value());
    EXPECT_FALSE(hestova::parseOleColor(QStringLiteral("blue")).has_value());
}

}  // namespace
