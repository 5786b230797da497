// The SMD page of the main window: two code boxes that decode as the user types.

#include "app/form1.h"
#include "rules/decimal.h"
#include "rules/smdcode.h"

#include <QGroupBox>
#include <QLineEdit>

namespace barvoznak {

namespace {

struct Decoder {
    design::Control frame;
    const char *caption;
    design::Control prompt; // "Číslo na rezistoru  :"
    design::Control box;
    const char *initialCode;
    Qt::Alignment boxAlignment;
    design::Control valueCaption;
    const char *valueCaptionText;
    design::Control result;
};

// The upper frame takes the three-character code, the lower one the four-character code.
constexpr Decoder kThreeChar { .frame = design::Frame2,
    .caption = "Tolerance 1%",
    .prompt = design::Label3,
    .box = design::Text1,
    .initialCode = "000",
    .boxAlignment = Qt::AlignHCenter,
    .valueCaption = design::Label4,
    .valueCaptionText = "Hodnota  :",
    .result = design::Label5 };
constexpr Decoder kFourChar { .frame = design::Frame3,
    .caption = "Tolerance 5%",
    .prompt = design::Label11,
    .box = design::Text2,
    .initialCode = "0000",
    .boxAlignment = Qt::AlignRight,
    .valueCaption = design::Label12,
    .valueCaptionText = "Hodnota :",
    .result = design::Label13 };

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

void Form1::buildSmdPage(QWidget *page)
{
    const auto build = [page](const Decoder &d, QLineEdit *&box, Label *&result) {
        auto *frame = makeControl<QGroupBox>(page, d.frame, QString::fromUtf8(d.caption));
        Label *prompt = makeLabel(frame, d.prompt, QStringLiteral("Číslo na rezistoru  :"));
        box = makeControl<QLineEdit>(frame, d.box, QString::fromLatin1(d.initialCode));
        box->setFont(designFont(DesignFont::Bold975));
        box->setAlignment(d.boxAlignment | Qt::AlignVCenter);
        Label *valueCaption = makeLabel(frame, d.valueCaption, QString::fromUtf8(d.valueCaptionText));
        result = makeLabel(frame, d.result, QStringLiteral("0 ohmu"));
        // A screen reader names the box by the label in front of it, describes it by the frame's caption and
        // leads from it to the value it decodes into (and back).
        prompt->setBuddy(box);
        box->setAccessibleDescription(frame->title());
        valueCaption->setBuddy(result);
        result->setControlledBy(box);
    };
    build(kThreeChar, Text1, Label5);
    build(kFourChar, Text2, Label13);
    // The result label receives the box's changes, which is also how the box tells accessibility clients
    // which control it sets.
    connect(Text1, &QLineEdit::textChanged, Label5, [this] { Text1_Change(); });
    connect(Text2, &QLineEdit::textChanged, Label13, [this] { Text2_Change(); });
    QWidget::setTabOrder(Text1, Text2);
}

void Form1::Text1_Change() { decodeInto(Text1, Label5, smd::CodeForm::ThreeChar); }
void Form1::Text2_Change() { decodeInto(Text2, Label13, smd::CodeForm::FourChar); }

} // namespace barvoznak
