// The SMD page of the main window: two code boxes that decode as the user types.

#include "app/design.h"
#include "app/form1.h"
#include "common/decimal.h"
#include "smd/smdcode.h"

#include <QLineEdit>

namespace barvoznak {

namespace {

struct DecoderDesign {
    const char *frameName;
    const char *frameCaption;
    design::Twips frame;
    const char *promptName;
    design::Twips prompt;
    const char *boxName;
    design::Twips box;
    const char *initialCode;
    Qt::Alignment boxAlignment;
    const char *valueCaptionName;
    design::Twips valueCaption;
    const char *valueCaptionText;
    const char *resultName;
    design::Twips result;
};

// The upper frame takes the three-character code, the lower one the four-character code.
constexpr DecoderDesign kThreeChar { "Frame2", "Tolerance 1%", design::Frame2, "Label3", design::Label3, "Text1",
    design::Text1, "000", Qt::AlignHCenter, "Label4", design::Label4, "Hodnota  :", "Label5", design::Label5 };
constexpr DecoderDesign kFourChar { "Frame3", "Tolerance 5%", design::Frame3, "Label11", design::Label11, "Text2",
    design::Text2, "0000", Qt::AlignRight, "Label12", design::Label12, "Hodnota :", "Label13", design::Label13 };

} // namespace

void Form1::buildSmdPage(QWidget *page)
{
    const auto build = [page](const DecoderDesign &d, Frame *&frame, QLineEdit *&box, Label *&result) {
        frame = new Frame(QString::fromUtf8(d.frameName), QString::fromUtf8(d.frameCaption), page);
        frame->setGeometry(design::px(d.frame));
        Label *prompt = makeLabel(QString::fromUtf8(d.promptName), QStringLiteral("Číslo na rezistoru  :"),
            design::px(d.prompt), DesignFont::Bold975, true, frame);
        box = new QLineEdit(QString::fromUtf8(d.initialCode), frame);
        box->setObjectName(QString::fromUtf8(d.boxName));
        box->setFont(designFont(DesignFont::Bold975));
        box->setAlignment(d.boxAlignment | Qt::AlignVCenter);
        box->setGeometry(design::px(d.box));
        Label *valueCaption = makeLabel(QString::fromUtf8(d.valueCaptionName),
            QString::fromUtf8(d.valueCaptionText), design::px(d.valueCaption), DesignFont::Bold975, true, frame);
        result = makeLabel(QString::fromUtf8(d.resultName), QStringLiteral("0 ohmu"), design::px(d.result),
            DesignFont::Bold975, true, frame);
        // A screen reader names the box by the label in front of it, describes it by the frame's caption and
        // leads from it to the value it decodes into (and back).
        prompt->setBuddy(box);
        box->setAccessibleDescription(frame->title());
        valueCaption->setBuddy(result);
        result->setControlledBy(box);
    };
    build(kThreeChar, Frame2, Text1, Label5);
    build(kFourChar, Frame3, Text2, Label13);
    // The result label receives the box's changes, which is also how the box tells accessibility clients
    // which control it sets.
    connect(Text1, &QLineEdit::textChanged, Label5, [this] { Text1_Change(); });
    connect(Text2, &QLineEdit::textChanged, Label13, [this] { Text2_Change(); });
    QWidget::setTabOrder(Text1, Text2);
}

namespace {

// Cuts an over-long code back (which raises the change once more, nested, on the cut text) and shows the
// decode of a full-length code; a shorter code leaves the last result in place.
void decodeInto(QLineEdit *box, Label *result, smd::CodeForm form)
{
    const QString cut = smd::cutBack(box->text(), form);
    if (cut != box->text())
        box->setText(cut);
    if (const auto caption = smd::decode(box->text(), form, localeDecimalSeparator()))
        result->setCaption(*caption);
}

} // namespace

void Form1::Text1_Change() { decodeInto(Text1, Label5, smd::CodeForm::ThreeChar); }
void Form1::Text2_Change() { decodeInto(Text2, Label13, smd::CodeForm::FourChar); }

} // namespace barvoznak
